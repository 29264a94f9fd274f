#include "platform/input_script.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/platform.h"

TEST(input_script, key_names)
{
    struct case_t {
        const char* name;
        int code;
    };
    const case_t cases[] = {{"LBUTTON", 1}, {"rbutton", 2}, {"MButton", 4}, {"BACK", 8},    {"TAB", 9},
                            {"RETURN", 13}, {"SHIFT", 16},  {"ESCAPE", 27}, {"SPACE", 32},  {"LEFT", 37},
                            {"UP", 38},     {"RIGHT", 39},  {"DOWN", 40},   {"ADD", 107},   {"SUBTRACT", 109},
                            {"F1", 112},    {"f6", 117},    {"F12", 123},   {"OEM_4", 219}, {"OEM_6", 221},
                            {"a", 'A'},     {"Z", 'Z'},     {"1", '1'},     {"0", '0'},     {"65", 65},
                            {"254", 254},   {"255", 0},     {"00", 0},      {"F13", 0},     {"VK_UP", 0},
                            {"", 0},        {"-5", 0},      {"%", 0}};
    for (const case_t& c : cases) EXPECT_EQ(script_key_code(c.name), c.code) << c.name;
}

TEST(input_script, malformed_lines_name_their_line)
{
    struct case_t {
        const char* text;
        const char* error;
    };
    const case_t cases[] = {
        {"0 press UP\nx press UP\n", "input script line 2: bad frame number 'x'"},
        {"-1 press UP\n", "input script line 1: bad frame number '-1'"},
        {"99999999999 press UP\n", "input script line 1: bad frame number '99999999999'"},
        {"3 cursor 1 99999999999\n", "input script line 1: cursor needs two whole numbers"},
        {"3\n", "input script line 1: missing action"},
        {"3 hold UP\n", "input script line 1: unknown action 'HOLD'"},
        {"3 press\n", "input script line 1: missing key"},
        {"3 press NOPE\n", "input script line 1: unknown key 'NOPE'"},
        {"3 press UP DOWN\n", "input script line 1: unexpected 'DOWN'"},
        {"# comment\n\n3 cursor 1\n", "input script line 3: cursor needs two whole numbers"},
        {"3 cursor 1 2 3\n", "input script line 1: unexpected '3'"},
        {"3 type env4-teleport\n", "input script line 1: cannot type '-'"},
        {"3 type \n", "input script line 1: nothing to type"},
    };
    for (const case_t& c : cases) {
        input_script script;
        std::string error;
        EXPECT_FALSE(parse_input_script(c.text, script, error)) << c.text;
        EXPECT_EQ(error, c.error);
    }
}

TEST(input_script, comments_blank_lines_and_frame_order)
{
    input_script script;
    std::string error;
    ASSERT_TRUE(parse_input_script("# a run\n\n5 tap ESCAPE  # the end\r\n2 press RIGHT\n2 cursor -4 500\n",
                                   script, error))
        << error;
    ASSERT_EQ(script.events.size(), 3u);
    EXPECT_EQ(script.events[0].frame, 2);
    EXPECT_EQ(script.events[0].key, vk_right);
    EXPECT_EQ(script.events[1].action, script_action::cursor);
    EXPECT_EQ(script.events[1].x, -4);
    EXPECT_EQ(script.events[2].key, vk_escape);
    EXPECT_TRUE(script.ends_run);
}

TEST(input_script, only_pressing_escape_ends_a_run)
{
    for (auto [text, ends] : {std::pair{"1 press escape\n", true},
                              {"1 tap 27\n", true},
                              {"1 release ESCAPE\n", false},
                              {"1 tap UP\n", false}}) {
        input_script script;
        std::string error;
        ASSERT_TRUE(parse_input_script(text, script, error));
        EXPECT_EQ(script.ends_run, ends) << text;
    }
}

TEST(input_script, replay_holds_taps_and_releases)
{
    input_script parsed;
    std::string error;
    ASSERT_TRUE(parse_input_script("1 press UP\n1 tap A\n3 release UP\n2 cursor 7 9\n", parsed, error));
    scripted_input input;
    input.script = parsed;
    struct expect_t {
        int frame;
        bool up, a;
        int cx, cy;
    };
    const expect_t frames[] = {{0, false, false, 0, 0},
                               {1, true, true, 0, 0},
                               {2, true, false, 7, 9},
                               {3, false, false, 7, 9},
                               {4, false, false, 7, 9}};
    for (const expect_t& f : frames) {
        advance_script_to(input, f.frame);
        EXPECT_EQ(input.held[vk_up], f.up) << f.frame;
        EXPECT_EQ(input.held['A'], f.a) << f.frame;
        EXPECT_EQ(input.cursor_x, f.cx);
        EXPECT_EQ(input.cursor_y, f.cy);
    }
}

TEST(input_script, typing_taps_one_character_a_frame_with_shift_for_capitals)
{
    input_script parsed;
    std::string error;
    ASSERT_TRUE(parse_input_script("10 type aB 1\n", parsed, error)) << error;
    scripted_input input;
    input.script = parsed;
    struct expect_t {
        int frame, key;
        bool shift;
    };
    const expect_t frames[] = {{10, 'A', false}, {11, 'B', true}, {12, vk_space, false}, {13, '1', false}};
    for (const expect_t& f : frames) {
        advance_script_to(input, f.frame);
        EXPECT_TRUE(input.held[f.key]) << f.frame;
        EXPECT_EQ(input.held[vk_shift], f.shift) << f.frame;
        int held = 0;
        for (bool h : input.held) held += h;
        EXPECT_EQ(held, f.shift ? 2 : 1) << f.frame;
    }
    advance_script_to(input, 14);
    for (bool h : input.held) EXPECT_FALSE(h);
}

TEST(input_script, arbitrary_text_is_parsed_or_refused_with_a_line_number)
{
    std::mt19937 generator(5);
    const std::string alphabet = "0123456789 \t#-+abcdefghijklmnopqrstuvwxyzPRESTAPCURSOYE_\r\n\x01\xff";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int length = int(generator() % 80);
        for (int i = 0; i < length; ++i) text += alphabet[generator() % alphabet.size()];
        input_script script;
        std::string error;
        if (!parse_input_script(text, script, error)) {
            EXPECT_EQ(error.rfind("input script line ", 0), 0u) << error;
            continue;
        }
        for (const script_event& event : script.events) {
            EXPECT_GE(event.frame, 0);
            if (event.action != script_action::cursor) {
                EXPECT_GE(event.key, 1);
                EXPECT_LE(event.key, 254);
            }
        }
    }
}
