#include "draw/glyph_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Read-only view of one glyph string as a grid of rows of a fixed length.
struct glyph_grid {
    std::string_view bits;
    int row_length;

    int rows() const { return static_cast<int>(bits.size()) / row_length; }
    std::string_view row(int r) const { return bits.substr(r * row_length, row_length); }
    bool inked(int r, int c) const { return bits[r * row_length + c] == '1'; }

    // Topmost and bottommost rows in [first_row, last_row] with any inked pixel
    // among the first `columns` columns; {-1, -1} when there is none.
    std::pair<int, int> ink_rows(int first_row, int last_row, int columns) const
    {
        int top = -1, bottom = -1;
        for (int r = first_row; r <= last_row; ++r)
            for (int c = 0; c < columns; ++c)
                if (inked(r, c)) {
                    if (top < 0) top = r;
                    bottom = r;
                }
        return {top, bottom};
    }

    // Columns [0, columns) of rows [first_row, last_row], one string per row.
    std::vector<std::string> picture(int first_row, int last_row, int columns) const
    {
        std::vector<std::string> out;
        for (int r = first_row; r <= last_row; ++r) out.emplace_back(row(r).substr(0, columns));
        return out;
    }
};

glyph_grid small(int code)
{
    return {small_glyphs[code], small_glyph_row_length};
}
glyph_grid large(int code)
{
    return {large_glyphs[code], large_glyph_row_length};
}

bool small_is_blank(int code)
{
    return code <= 32 || code == '`' || code >= 123;
}
int small_width(int code)
{
    return small_glyphs[code][0] - '0';
}

// Rows 1..9 of the small font are drawn; rows 1..12 of the large one.
constexpr int small_last_drawn_row = 9;
constexpr int large_last_drawn_row = 12;
constexpr int large_columns = 8;

// ---------------------------------------------------------------------------
// Small font

TEST(small_glyphs, every_entry_is_well_formed)
{
    const std::string blank = "28" + std::string(78, '0');
    for (int code = 0; code < 128; ++code) {
        SCOPED_TRACE(code);
        ASSERT_NE(small_glyphs[code], nullptr);
        const glyph_grid g = small(code);
        if (small_is_blank(code)) {
            // All glyph-less codes point at the one shared blank glyph.
            EXPECT_EQ(small_glyphs[code], small_glyphs[0]);
            EXPECT_EQ(g.bits, blank);
            continue;
        }
        EXPECT_NE(small_glyphs[code], small_glyphs[0]);
        ASSERT_EQ(g.bits.size(), 88u);
        EXPECT_EQ(g.bits.find_first_not_of("01", small_glyph_row_length), std::string_view::npos);

        const std::string_view header = g.row(0);
        const int w = small_width(code);
        EXPECT_GE(w, 1);
        EXPECT_LE(w, 7);
        EXPECT_EQ(header[1], code == '_' ? '7' : '8');
        EXPECT_EQ(header.substr(2), "000000");

        // Nothing outside the glyph's width, nothing on the padding row.
        for (int r = 1; r <= small_last_drawn_row; ++r)
            EXPECT_EQ(g.row(r).find('1', w), std::string_view::npos) << "row " << r;
        EXPECT_EQ(g.row(10), "00000000");
        EXPECT_NE(g.ink_rows(1, small_last_drawn_row, w).first, -1) << "glyph has no ink";
    }
}

TEST(small_glyphs, widths_follow_the_width_table)
{
    struct case_t {
        std::string_view chars;
        int width;
    };
    const case_t cases[] = {
        {":il", 1}, {"!'(),;=[]fjr", 2}, {"&/JNOQRZ\\a", 4}, {"#*MWXmw", 5}, {"@", 7},
    };
    std::array<int, 128> expected{};
    for (int code = 0; code < 128; ++code) expected[code] = small_is_blank(code) ? 2 : 3;
    for (const case_t& c : cases)
        for (char ch : c.chars) expected[static_cast<unsigned char>(ch)] = c.width;

    for (int code = 0; code < 128; ++code) EXPECT_EQ(small_width(code), expected[code]) << "code " << code;
}

TEST(small_glyphs, worked_examples)
{
    struct case_t {
        char ch;
        std::vector<std::string> rows_1_to_9;
    };
    const case_t cases[] = {
        {'A', {"000", "000", "010", "101", "111", "101", "101", "000", "000"}},
        {'i', {"0", "0", "1", "0", "1", "1", "1", "0", "0"}},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.ch);
        const glyph_grid g = small(c.ch);
        const int w = static_cast<int>(c.rows_1_to_9[0].size());
        EXPECT_EQ(small_width(c.ch), w);
        EXPECT_EQ(g.picture(1, small_last_drawn_row, w), c.rows_1_to_9);
    }
    EXPECT_EQ(small('A').row(0), "38000000");
}

TEST(small_glyphs, drawing_a_lands_on_the_expected_pixels)
{
    // The text drawer works with y growing upwards: row i, column j of a glyph
    // drawn with the pen at (x, y) lands on (x + j, y - i + 2).
    const int x = 12, y = 100;
    std::set<std::pair<int, int>> drawn;
    const glyph_grid g = small('A');
    for (int i = 1; i <= small_last_drawn_row; ++i)
        for (int j = 0; j < small_width('A'); ++j)
            if (g.inked(i, j)) drawn.insert({x + j, y - i + 2});
    const std::set<std::pair<int, int>> expected = {
        {13, 99}, {12, 98}, {14, 98}, {12, 97}, {13, 97}, {14, 97}, {12, 96}, {14, 96}, {12, 95}, {14, 95},
    };
    EXPECT_EQ(drawn, expected);
}

TEST(small_glyphs, ink_stays_within_the_rows_of_its_kind)
{
    // Capitals and digits are five rows tall on the baseline (row 7); lower case
    // has its x-height on rows 4..7, ascenders from row 3, descenders below 7.
    struct case_t {
        std::string_view chars;
        int top, bottom;
    };
    const case_t cases[] = {
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 3, 7},
        {"bdhiklt", 3, 7},
        {"fj", 3, 8},
        {"acemnorsuvwxz", 4, 7},
        {"pqy", 4, 8},
        {"g", 4, 9},
    };
    for (const case_t& c : cases)
        for (char ch : c.chars) {
            const auto [top, bottom] = small(ch).ink_rows(1, small_last_drawn_row, small_width(ch));
            EXPECT_EQ(top, c.top) << ch;
            EXPECT_EQ(bottom, c.bottom) << ch;
        }

    // Only 'g' reaches row 9, and no glyph needs row 1.
    for (int code = 33; code <= 122; ++code) {
        if (small_is_blank(code)) continue;
        const int w = small_width(code);
        EXPECT_EQ(small(code).ink_rows(9, 9, w).first == -1, code != 'g') << char(code);
        EXPECT_EQ(small(code).ink_rows(1, 1, w).first, -1) << char(code);
    }
}

TEST(small_glyphs, visible_glyphs_are_all_different)
{
    std::set<std::vector<std::string>> seen;
    for (int code = 33; code <= 122; ++code) {
        if (small_is_blank(code)) continue;
        const int w = small_width(code);
        EXPECT_TRUE(seen.insert(small(code).picture(1, small_last_drawn_row, w)).second)
            << "'" << char(code) << "' repeats another glyph";
    }
}

// ---------------------------------------------------------------------------
// Large font

TEST(large_glyphs, every_entry_is_well_formed)
{
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        if (code < 32 || code > 126) {
            EXPECT_EQ(large_glyphs[code], nullptr);
            continue;
        }
        ASSERT_NE(large_glyphs[code], nullptr);
        const glyph_grid g = large(code);
        ASSERT_EQ(g.bits.size(), 130u);
        EXPECT_EQ(g.bits.find_first_not_of("01"), std::string_view::npos);
        EXPECT_EQ(g.row(0), "0000000000");
        for (int r = 1; r <= large_last_drawn_row; ++r) EXPECT_EQ(g.row(r).substr(8), "00") << "row " << r;
        const bool has_ink = g.bits.find('1') != std::string_view::npos;
        EXPECT_EQ(has_ink, code != ' ');
        // Column 7 is the gap between neighbouring cells; only '_' runs into it
        // so that a row of underscores joins up.
        if (code != '_') {
            for (int r = 1; r <= large_last_drawn_row; ++r) EXPECT_FALSE(g.inked(r, 7)) << "row " << r;
        }
    }
}

TEST(large_glyphs, worked_examples)
{
    struct case_t {
        char ch;
        std::vector<std::string> rows_1_to_12;
    };
    const case_t cases[] = {
        {'A',
         {"00000000", "00110000", "01111000", "11001100", "11001100", "11001100", "11111100", "11001100",
          "11001100", "11001100", "00000000", "00000000"}},
        {'g',
         {"00000000", "00000000", "00000000", "00000000", "01110110", "11001100", "11001100", "11001100",
          "01111100", "00001100", "11001100", "01111000"}},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.ch);
        EXPECT_EQ(large(c.ch).picture(1, large_last_drawn_row, large_columns), c.rows_1_to_12);
    }
}

TEST(large_glyphs, ink_stays_within_the_rows_of_its_kind)
{
    // Capitals and digits stand on rows 2..10 like 'A'; lower case shares the
    // x-height of 'g' (from row 5) and the descenders use rows 10..12.
    struct case_t {
        std::string_view chars;
        int top, bottom;
    };
    const case_t cases[] = {
        {"ABCDEFGHIJKLMNOPRSTUVWXYZ0123456789", 2, 10},
        {"Q", 2, 11},
        {"bdfhikl", 2, 10},
        {"t", 3, 10},
        {"acemnorsuvwxz", 5, 10},
        {"gpqy", 5, 12},
        {"j", 2, 12},
    };
    for (const case_t& c : cases)
        for (char ch : c.chars) {
            const auto [top, bottom] = large(ch).ink_rows(1, large_last_drawn_row, large_columns);
            EXPECT_EQ(top, c.top) << ch;
            EXPECT_EQ(bottom, c.bottom) << ch;
        }
}

TEST(large_glyphs, visible_glyphs_are_all_different)
{
    std::set<std::string_view> seen;
    for (int code = 33; code <= 126; ++code)
        EXPECT_TRUE(seen.insert(large_glyphs[code]).second) << "'" << char(code) << "' repeats another glyph";
}

}  // namespace
