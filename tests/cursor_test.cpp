#include <gtest/gtest.h>

#include "platform/platform.h"

TEST(cursor_mapping, screen_positions_to_framebuffer_pixels)
{
    // A 1280 x 960 window at (100, 50) showing a 640 x 480 framebuffer.
    const screen_rect window{100, 50, 1380, 1010};
    struct case_t {
        int sx, sy, fx, fy;
    };
    const case_t cases[] = {
        {100, 1010, 0, 0},       // bottom-left corner
        {101, 1009, 0, 0},       // still inside the first pixel
        {102, 1008, 1, 1},       // next pixel
        {1379, 51, 639, 479},    // top-right inside
        {1380, 50, 639, 479},    // on the far edges: clamped to the last pixel
        {50, 2000, 0, 0},        // left of and below the window
        {5000, -300, 639, 479},  // right of and above the window
        {740, 530, 320, 240},    // the middle
    };
    for (const case_t& c : cases) {
        EXPECT_EQ(framebuffer_x_of(c.sx, window, 640), c.fx) << c.sx;
        EXPECT_EQ(framebuffer_y_of(c.sy, window, 480), c.fy) << c.sy;
    }
}

TEST(cursor_mapping, zero_sized_window_gives_zero)
{
    const screen_rect empty{0, 0, 0, 0};
    EXPECT_EQ(framebuffer_x_of(500, empty, 640), 0);
    EXPECT_EQ(framebuffer_y_of(500, empty, 480), 0);
}
