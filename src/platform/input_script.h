#pragma once
// Scripted input: a text file of timed key, button and cursor events that
// stands in for the keyboard and mouse, so that a run can be repeated exactly.
//
//   FRAME press KEY      the key goes down in that frame and stays down
//   FRAME release KEY    the key comes up in that frame
//   FRAME tap KEY        the key is down in that frame only
//   FRAME cursor X Y     the cursor moves to framebuffer pixel (X, Y), y up from the bottom
//   FRAME type TEXT      taps the characters of TEXT on successive frames
//
// '#' starts a comment. KEY is a key name without its "VK_" prefix
// (case-insensitive), a single letter or digit, or a decimal code 1..254.
#include <cstdint>
#include <string>
#include <vector>

enum class script_action { press, release, tap, cursor };

struct script_event {
    int32_t frame;
    script_action action;
    int32_t key;  // virtual-key code, for press, release and tap
    int32_t x;    // framebuffer pixel, for cursor
    int32_t y;
};

struct input_script {
    std::vector<script_event> events;  // in file order, then by frame
    bool ends_run = false;             // the script presses Escape at some point
};

// Parses a script. On a malformed line returns false with the message
// "input script line N: <what is wrong>" in error.
bool parse_input_script(const std::string& text, input_script& script, std::string& error);

// The key code of a script key name, or 0 if the name is unknown.
int32_t script_key_code(const std::string& name);

// Replays a parsed script frame by frame.
struct scripted_input {
    input_script script;
    size_t next_event = 0;
    int32_t applied_frame = -1;
    bool held[256] = {};
    std::vector<int32_t> tapped;  // keys to release once their frame has passed
    int32_t cursor_x = 0;
    int32_t cursor_y = 0;
};

// Brings the key and cursor states up to the given frame.
void advance_script_to(scripted_input& input, int32_t frame);
