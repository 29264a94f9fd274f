#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "draw/framebuffer.h"
#include "draw/glyph_tables.h"
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

namespace {

// Both fonts as their tables read, character by character of the grids:
// the rule the drawing must keep, however it is done.
std::set<std::pair<int, int>> reference_text(const std::string& text, int x, int y, bool large)
{
    std::set<std::pair<int, int>> lit;
    int pen = x;
    for (unsigned char c : text) {
        if (large) {
            if (const char* glyph = large_glyphs[c])
                for (int row = 1; row <= 12; ++row)
                    for (int column = 0; column < 8; ++column)
                        if (glyph[row * large_glyph_row_length + column] != '0')
                            lit.insert({pen + column, y - row});
            pen += 8;
        } else {
            const char* glyph = small_glyphs[c < 128 ? c : 0];
            const int width = glyph[0] - '0';
            for (int row = 1; row <= 9; ++row)
                for (int column = 0; column < width; ++column)
                    if (glyph[row * small_glyph_row_length + column] != '0')
                        lit.insert({pen + column, y - row + 2});
            pen += width + 1;
        }
    }
    std::set<std::pair<int, int>> on_screen;
    for (const auto& p : lit)
        if (p.first >= 0 && p.first < 640 && p.second >= 0 && p.second < 480) on_screen.insert(p);
    return on_screen;
}

}  // namespace

TEST_F(text_test, every_character_of_both_fonts_draws_as_its_table_reads)
{
    for (bool large : {false, true}) {
        for (int first = 1; first < 256; first += 16) {
            std::string text;
            for (int c = first; c < first + 16 && c < 256; ++c) text += char(c);
            for (const auto& [x, y] : {std::pair{5, 100}, std::pair{-3, 4}, std::pair{600, 478}}) {
                std::memset(game.framebuffer, 0, size_t(640) * 480 * 4);
                set_line(text.c_str());
                large ? draw_text_large(x, y, 9, 8, 7) : draw_text_small(x, y, 9, 8, 7);
                EXPECT_EQ(lit_pixels(), reference_text(text, x, y, large))
                    << (large ? "large" : "small") << " from code " << first << " at " << x << "," << y;
            }
        }
    }
}
