#include <vector>

#include "draw/framebuffer.h"
#include "test_support.h"

using framebuffer_test = state_test;

TEST_F(framebuffer_test, put_pixel_writes_inside_and_drops_outside)
{
    struct case_t {
        int x, y;
        bool inside;
    };
    const case_t cases[] = {{0, 0, true},    {639, 479, true}, {640, 0, false}, {0, 480, false},
                            {-1, 10, false}, {10, -1, false},  {320, 240, true}};
    for (const case_t& c : cases) {
        begin_frame();
        put_pixel(c.x, c.y, 1, 2, 3);
        EXPECT_EQ(drawn_pixel_count(), c.inside ? 1 : 0) << c.x << "," << c.y;
        if (c.inside) {
            EXPECT_TRUE(pixel_is(c.x, c.y, 1, 2, 3));
        }
    }
}

TEST_F(framebuffer_test, put_pixel_keeps_the_low_eight_bits)
{
    put_pixel(5, 5, 256 + 7, -1, 511);
    EXPECT_TRUE(pixel_is(5, 5, 7, 255, 255));
}

struct line_case {
    int x0, y0, x1, y1;
    std::vector<std::pair<int, int>> points;
};

TEST_F(framebuffer_test, lines_follow_the_error_rule)
{
    std::vector<std::pair<int, int>> long_flat;
    for (int x = 0; x <= 9; ++x) long_flat.push_back({x, 0});
    long_flat.push_back({10, 1});
    const line_case cases[] = {
        {0, 0, 10, 1, long_flat},
        {0, 0, 3, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
        {5, 5, 5, 5, {{5, 5}}},
        {3, 2, 0, 0, {{3, 2}, {2, 1}, {1, 1}, {0, 0}}},
        {0, 0, 0, 3, {{0, 0}, {0, 1}, {0, 2}, {0, 3}}},
        {2, 2, 4, 4, {{2, 2}, {3, 3}, {4, 4}}},
    };
    for (const line_case& c : cases) {
        begin_frame();
        draw_line(c.x0, c.y0, c.x1, c.y1, 9, 8, 7);
        EXPECT_EQ(drawn_pixel_count(), int(c.points.size()))
            << c.x0 << "," << c.y0 << "->" << c.x1 << "," << c.y1;
        for (auto [x, y] : c.points) EXPECT_TRUE(pixel_is(x, y, 9, 8, 7)) << x << "," << y;
    }
}

TEST_F(framebuffer_test, a_line_leaving_the_screen_plots_only_its_visible_pixels)
{
    draw_line(630, 10, 650, 10, 255, 255, 255);
    EXPECT_EQ(drawn_pixel_count(), 10);
    EXPECT_TRUE(pixel_is(639, 10, 255, 255, 255));
}

TEST_F(framebuffer_test, screen_mode_switch_reallocates_both_buffers)
{
    set_screen_mode(320, 240);
    EXPECT_EQ(game.screen_width, 320);
    EXPECT_EQ(game.screen_height, 240);
    // The whole new size is writable (the sanitizer build checks the bounds).
    game.framebuffer[320 * 240 * 4 - 1] = 1;
    game.scratch_buffer[320 * 240 * 4 - 1] = 1;
    begin_frame();
    EXPECT_EQ(drawn_pixel_count(), 0);
    EXPECT_EQ(game.scratch_buffer[320 * 240 * 4 - 1], 1) << "begin_frame clears only the framebuffer";
}

TEST_F(framebuffer_test, circle_of_radius_zero_plots_its_centre)
{
    draw_circle(10.7, 20.2, 0.0, 5, 6, 7);
    const uint8_t* p = game.scratch_buffer + (size_t(20) * 640 + 10) * 4;
    EXPECT_EQ(p[0], 5);
    EXPECT_EQ(p[3], 255);
}

TEST_F(framebuffer_test, circle_radius_is_clamped_to_9999)
{
    // Radius 20000 draws 9999: the lowest point lands on row 10000 - 9999 = 1.
    draw_circle(100.0, 10000.0, 20000.0, 200, 100, 50);
    const uint8_t* p = game.scratch_buffer + (size_t(1) * 640 + 100) * 4;
    EXPECT_EQ(p[0], 200);
    EXPECT_EQ(p[1], 100);
}

TEST_F(framebuffer_test, circle_is_symmetric_and_spans_its_diameter)
{
    draw_circle(320.0, 240.0, 50.0, 255, 0, 0);
    auto lit = [](int x, int y) { return game.scratch_buffer[(size_t(y) * 640 + x) * 4] == 255; };
    EXPECT_TRUE(lit(320, 190));  // straight below the centre
    EXPECT_TRUE(lit(320, 290));  // straight above
    for (int y = 180; y < 300; ++y)
        for (int dx = 0; dx < 60; ++dx) EXPECT_EQ(lit(320 + dx, y), lit(320 - dx, y)) << dx << "," << y;
}

TEST_F(framebuffer_test, circle_draws_nothing_without_the_tables)
{
    float* sine = game.sine_table;
    game.sine_table = nullptr;
    draw_circle(320.0, 240.0, 50.0, 255, 0, 0);
    game.sine_table = sine;
    for (size_t i = 0; i < size_t(640) * 480 * 4; ++i) ASSERT_EQ(game.scratch_buffer[i], 0);
}
