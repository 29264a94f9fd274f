#include "platform/input_script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

#include "platform/platform.h"

namespace {

struct named_key {
    const char* name;
    int32_t code;
};

constexpr named_key key_names[] = {
    {"LBUTTON", vk_lbutton}, {"RBUTTON", vk_rbutton}, {"MBUTTON", vk_mbutton},
    {"BACK", vk_back},       {"TAB", vk_tab},         {"RETURN", vk_return},
    {"SHIFT", vk_shift},     {"ESCAPE", vk_escape},   {"SPACE", vk_space},
    {"LEFT", vk_left},       {"UP", vk_up},           {"RIGHT", vk_right},
    {"DOWN", vk_down},       {"ADD", vk_add},         {"SUBTRACT", vk_subtract},
    {"OEM_4", vk_oem_4},     {"OEM_6", vk_oem_6},
};

std::string upper(std::string text)
{
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool parse_int(const std::string& text, int32_t& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, failure] = std::from_chars(first, last, value);
    return failure == std::errc{} && end == last;
}

// The key a console user would press for a typed character, and whether
// Shift goes with it; false for characters the console cannot type.
bool key_for_character(char c, int32_t& key, bool& shift)
{
    shift = c >= 'A' && c <= 'Z';
    if (c >= 'a' && c <= 'z')
        key = c - 'a' + 'A';
    else if (shift || (c >= '0' && c <= '9'))
        key = c;
    else if (c == ' ')
        key = vk_space;
    else
        return false;
    return true;
}

}  // namespace

int32_t script_key_code(const std::string& name)
{
    const std::string key = upper(name);
    for (const named_key& entry : key_names)
        if (key == entry.name) return entry.code;
    if (key.size() >= 2 && key.size() <= 3 && key[0] == 'F') {
        int32_t n = 0;
        if (parse_int(key.substr(1), n) && n >= 1 && n <= 12) return vk_f1 + n - 1;
    }
    if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0]))) return key[0];
    int32_t code = 0;
    if (key.size() > 1 && parse_int(key, code) && code >= 1 && code <= 254) return code;
    return 0;
}

bool parse_input_script(const std::string& text, input_script& script, std::string& error)
{
    script = input_script{};
    std::istringstream lines(text);
    std::string line;
    int line_number = 0;
    auto fail = [&](const std::string& what) {
        error = "input script line " + std::to_string(line_number) + ": " + what;
        return false;
    };
    while (std::getline(lines, line)) {
        ++line_number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string frame_word, action;
        if (!(words >> frame_word)) continue;  // blank or comment only
        int32_t frame = 0;
        if (!parse_int(frame_word, frame) || frame < 0) return fail("bad frame number '" + frame_word + "'");
        if (!(words >> action)) return fail("missing action");
        action = upper(action);
        if (action == "TYPE") {
            std::string rest;
            std::getline(words, rest);
            size_t start = rest.find_first_not_of(" \t");
            if (start == std::string::npos) return fail("nothing to type");
            rest.erase(0, start);
            while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
            int32_t at = frame;
            for (char c : rest) {
                int32_t key = 0;
                bool shift = false;
                if (!key_for_character(c, key, shift)) return fail(std::string("cannot type '") + c + "'");
                if (shift) script.events.push_back({at, script_action::tap, vk_shift, 0, 0});
                script.events.push_back({at, script_action::tap, key, 0, 0});
                ++at;
            }
            continue;
        }
        if (action == "CURSOR") {
            std::string xw, yw, extra;
            int32_t x = 0, y = 0;
            if (!(words >> xw >> yw) || !parse_int(xw, x) || !parse_int(yw, y))
                return fail("cursor needs two whole numbers");
            if (words >> extra) return fail("unexpected '" + extra + "'");
            script.events.push_back({frame, script_action::cursor, 0, x, y});
            continue;
        }
        script_action kind;
        if (action == "PRESS")
            kind = script_action::press;
        else if (action == "RELEASE")
            kind = script_action::release;
        else if (action == "TAP")
            kind = script_action::tap;
        else
            return fail("unknown action '" + action + "'");
        std::string key_word, extra;
        if (!(words >> key_word)) return fail("missing key");
        if (words >> extra) return fail("unexpected '" + extra + "'");
        const int32_t key = script_key_code(key_word);
        if (key == 0) return fail("unknown key '" + key_word + "'");
        if (key == vk_escape && kind != script_action::release) script.ends_run = true;
        script.events.push_back({frame, kind, key, 0, 0});
    }
    std::stable_sort(script.events.begin(), script.events.end(),
                     [](const script_event& a, const script_event& b) { return a.frame < b.frame; });
    return true;
}

void advance_script_to(scripted_input& input, int32_t frame)
{
    if (frame <= input.applied_frame) return;
    for (int32_t key : input.tapped) input.held[key] = false;
    input.tapped.clear();
    const std::vector<script_event>& events = input.script.events;
    while (input.next_event < events.size() && events[input.next_event].frame <= frame) {
        const script_event& event = events[input.next_event++];
        switch (event.action) {
        case script_action::press: input.held[event.key] = true; break;
        case script_action::release: input.held[event.key] = false; break;
        case script_action::cursor:
            input.cursor_x = event.x;
            input.cursor_y = event.y;
            break;
        case script_action::tap:
            // A tap from a frame already passed (the program paused) is over.
            if (event.frame < frame) break;
            input.held[event.key] = true;
            input.tapped.push_back(event.key);
            break;
        }
    }
    input.applied_frame = frame;
}
