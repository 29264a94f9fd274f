#pragma once
// The command line. With no arguments the program runs as a plain window;
// the options make it scriptable and testable.
#include <cstdint>
#include <string>
#include <vector>

struct capture_request {
    int32_t frame;
    std::string file;
};

struct run_options {
    bool headless = false;
    bool no_sleep = false;
    int32_t frames = 0;      // 0: no limit
    std::string input_file;  // scripted input, or empty for the real devices
    std::vector<capture_request> captures;
    std::string report_file;
    bool has_seed = false;
    uint32_t seed = 0;        // replaces the clock in the reseed after the features
    std::string data_folder;  // empty: found as usual
};

enum class parse_outcome { run, help, usage_error };

parse_outcome parse_options(int argc, const char* const* argv, run_options& options, std::string& error);
// The usage text printed by --help and after a usage error.
const char* usage_text();
