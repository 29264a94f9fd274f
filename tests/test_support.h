#pragma once
// Shared fixtures of the tests: a fresh state record per test, scripted keys.
#include <gtest/gtest.h>

#include <string>

#include "platform/input_script.h"
#include "platform/platform.h"
#include "shell/game_state.h"

// A freshly initialised state record with the running world size and the
// overworld screen mode, released again after the test.
class state_test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Replaces the keyboard and mouse by a script given as text.
    void script(const std::string& text);
    // As state_test, plus a headless window with its GL context.
    void open_headless_window();
};

// Byte offset of framebuffer pixel (x, y).
size_t pixel_offset(int x, int y);
// Whether framebuffer pixel (x, y) holds exactly r, g, b with alpha 255.
bool pixel_is(int x, int y, int r, int g, int b);
// The number of framebuffer pixels that are not all zero.
int drawn_pixel_count();
