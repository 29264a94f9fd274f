#pragma once
// What a run leaves behind for its caller: captured frames and a JSON report.
#include <cstdint>
#include <string>

#include "shell/options.h"

struct frame_timing {
    int64_t frames = 0;
    double wall_seconds = 0.0;
    int32_t slowest_frame = -1;
    double slowest_ms = 0.0;  // excluding the time spent in pauses
};

// Writes width x height RGBA pixels (row 0 at the bottom) as a 24-bit BMP.
bool write_bmp_file(const std::string& path, const uint8_t* rgba, int32_t width, int32_t height);
// Writes the framebuffer for every capture requested for the current frame;
// false if one of them could not be written.
bool capture_requested_frames(const run_options& options);
// The JSON report of the run so far.
std::string run_report_json(const frame_timing& timing);
bool write_run_report(const std::string& path, const frame_timing& timing);
