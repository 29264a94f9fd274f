#include <cstring>
#include <set>
#include <utility>

#include "draw/framebuffer.h"
#include "draw/text.h"
#include "test_support.h"

using text_test = state_test;

namespace {

std::set<std::pair<int, int>> lit_pixels()
{
    std::set<std::pair<int, int>> lit;
    for (int y = 0; y < game.screen_height; ++y)
        for (int x = 0; x < game.screen_width; ++x)
            if (game.framebuffer[pixel_offset(x, y) + 3]) lit.insert({x, y});
    return lit;
}

void set_line(const char* text)
{
    std::snprintf(game.text_line, sizeof game.text_line, "%s", text);
}

}  // namespace

TEST_F(text_test, small_capital_a_sets_exactly_its_ten_pixels)
{
    set_line("A");
    draw_text_small(12, 100, 255, 255, 0);
    const std::set<std::pair<int, int>> expected = {{13, 99}, {12, 98}, {14, 98}, {12, 97}, {13, 97},
                                                    {14, 97}, {12, 96}, {14, 96}, {12, 95}, {14, 95}};
    EXPECT_EQ(lit_pixels(), expected);
    EXPECT_TRUE(pixel_is(13, 99, 255, 255, 0));
}

TEST_F(text_test, pens_advance_by_glyph_width)
{
    struct case_t {
        const char* text;
        bool large;
        int shift;  // how far the trailing "A" moves against a lone "A"
    };
    const case_t cases[] = {{" A", false, 3}, {" A", true, 8}, {"iA", false, 2}, {"MA", false, 6}};
    for (const case_t& c : cases) {
        begin_frame();
        set_line("A");
        c.large ? draw_text_large(100, 100, 1, 1, 1) : draw_text_small(100, 100, 1, 1, 1);
        std::set<std::pair<int, int>> alone = lit_pixels();
        begin_frame();
        set_line(c.text);
        c.large ? draw_text_large(100, 100, 1, 1, 1) : draw_text_small(100, 100, 1, 1, 1);
        std::set<std::pair<int, int>> shifted;
        for (auto [x, y] : alone) shifted.insert({x + c.shift, y});
        std::set<std::pair<int, int>> all = lit_pixels();
        for (auto p : shifted) EXPECT_TRUE(all.count(p)) << c.text;
    }
}

TEST_F(text_test, two_small_i_sit_two_columns_apart)
{
    set_line("ii");
    draw_text_small(50, 50, 255, 255, 255);
    std::set<int> columns;
    for (auto [x, y] : lit_pixels()) columns.insert(x);
    EXPECT_EQ(columns, (std::set<int>{50, 52}));
}

TEST_F(text_test, empty_and_blank_lines_draw_nothing)
{
    for (const char* text : {"", " ", "   "}) {
        set_line(text);
        draw_text_small(20, 20, 255, 255, 255);
        draw_text_large(20, 40, 255, 255, 255);
        EXPECT_EQ(drawn_pixel_count(), 0) << '"' << text << '"';
    }
    set_line("{|}~");  // blank in the small font only
    draw_text_small(20, 20, 255, 255, 255);
    EXPECT_EQ(drawn_pixel_count(), 0);
}

TEST_F(text_test, large_capital_a_matches_its_rows)
{
    set_line("A");
    draw_text_large(0, 100, 255, 255, 255);
    const char* rows[] = {"00000000", "00110000", "01111000", "11001100", "11001100", "11001100",
                          "11111100", "11001100", "11001100", "11001100", "00000000", "00000000"};
    for (int i = 1; i <= 12; ++i)
        for (int j = 0; j < 8; ++j)
            EXPECT_EQ(game.framebuffer[pixel_offset(j, 100 - i) + 3] != 0, rows[i - 1][j] == '1')
                << i << "," << j;
}

TEST_F(text_test, text_past_the_right_edge_is_cut_not_wrapped)
{
    set_line("WWWWWWWWWW");
    draw_text_large(600, 100, 255, 255, 255);
    for (auto [x, y] : lit_pixels()) {
        EXPECT_GE(x, 600);
        EXPECT_GT(y, 87);
        EXPECT_LT(y, 100);
    }
    EXPECT_GT(drawn_pixel_count(), 0);
}

TEST_F(text_test, characters_without_glyphs_draw_nothing)
{
    const char line[] = {'\x80', '\xff', 0};
    set_line(line);
    draw_text_small(20, 20, 255, 255, 255);
    draw_text_large(20, 40, 255, 255, 255);
    set_line("`");
    draw_text_small(20, 60, 255, 255, 255);
    EXPECT_EQ(drawn_pixel_count(), 0);
}
