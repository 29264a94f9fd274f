#include "shell/options.h"

#include <charconv>
#include <cstring>

namespace {

template <class T> bool parse_number(const std::string& text, T& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, failure] = std::from_chars(first, last, value);
    return !text.empty() && failure == std::errc{} && end == last;
}

bool parse_capture(const std::string& text, capture_request& capture)
{
    const size_t colon = text.find(':');
    if (colon == std::string::npos || colon + 1 >= text.size()) return false;
    capture.file = text.substr(colon + 1);
    return parse_number(text.substr(0, colon), capture.frame) && capture.frame >= 0;
}

}  // namespace

const char* usage_text()
{
    return "usage: tarnwick [options]\n"
           "  --headless          no visible window (needs --frames or an --input script that\n"
           "                      presses ESCAPE)\n"
           "  --frames N          end the run after N frames\n"
           "  --input FILE        replace the keyboard and mouse by a script of timed events\n"
           "  --capture N:FILE    write the framebuffer of frame N to FILE as a BMP (repeatable)\n"
           "  --report FILE       write a JSON report of the run at shutdown\n"
           "  --no-sleep          count the fixed pauses but do not sleep them\n"
           "  --seed S            use S instead of the clock for the run's random numbers\n"
           "  --data DIR          the folder that holds map/ and the bmp_* folders\n"
           "  --help              print this text\n";
}

parse_outcome parse_options(int argc, const char* const* argv, run_options& options, std::string& error)
{
    options = run_options{};
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = option + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string text;
        if (option == "--help") return parse_outcome::help;
        if (option == "--headless") {
            options.headless = true;
        } else if (option == "--no-sleep") {
            options.no_sleep = true;
        } else if (option == "--frames") {
            if (!value(text)) return parse_outcome::usage_error;
            if (!parse_number(text, options.frames) || options.frames < 1) {
                error = "--frames needs a whole number of at least 1, not '" + text + "'";
                return parse_outcome::usage_error;
            }
        } else if (option == "--input") {
            if (!value(options.input_file)) return parse_outcome::usage_error;
        } else if (option == "--capture") {
            capture_request capture;
            if (!value(text)) return parse_outcome::usage_error;
            if (!parse_capture(text, capture)) {
                error = "--capture needs FRAME:FILE, not '" + text + "'";
                return parse_outcome::usage_error;
            }
            options.captures.push_back(capture);
        } else if (option == "--report") {
            if (!value(options.report_file)) return parse_outcome::usage_error;
        } else if (option == "--seed") {
            if (!value(text)) return parse_outcome::usage_error;
            if (!parse_number(text, options.seed)) {
                error = "--seed needs a whole number from 0 to 4294967295, not '" + text + "'";
                return parse_outcome::usage_error;
            }
            options.has_seed = true;
        } else if (option == "--data") {
            if (!value(options.data_folder)) return parse_outcome::usage_error;
            if (options.data_folder.empty()) {
                error = "--data needs a folder";
                return parse_outcome::usage_error;
            }
        } else {
            error = "unknown option '" + option + "'";
            return parse_outcome::usage_error;
        }
    }
    return parse_outcome::run;
}
