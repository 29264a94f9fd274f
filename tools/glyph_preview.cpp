// Prints the glyphs of both bitmap fonts as ASCII art for checking them by eye.
//
//   glyph_preview            every glyph of both fonts, one block per code
//   glyph_preview "text"     the text set in each font, as the status line
//                            and console would draw it
//
// Build: g++ -std=c++20 -Isrc tools/glyph_preview.cpp src/draw/glyph_tables.cpp

#include "draw/glyph_tables.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int small_rows = 9;   // rows 1..9 are drawn
constexpr int large_rows = 12;  // rows 1..12 are drawn
constexpr int large_columns = 8;

int small_width(int code)
{
    return small_glyphs[code][0] - '0';
}

char pixel(const char* glyph, int row_length, int row, int column)
{
    return glyph[row * row_length + column] == '1' ? '#' : '.';
}

// Lays out `text` left to right, one pixel between small glyphs; the large
// font is fixed-width.
std::vector<std::string> set_text(const std::string& text, bool large)
{
    std::vector<std::string> lines(large ? large_rows : small_rows);
    for (unsigned char ch : text) {
        if (large) {
            const char* glyph = large_glyphs[ch];
            for (int r = 0; r < large_rows; ++r)
                for (int c = 0; c < large_columns; ++c)
                    lines[r] += glyph ? pixel(glyph, large_glyph_row_length, r + 1, c) : ' ';
        } else {
            const int code = ch < 128 ? ch : 0;
            const int w = small_width(code);
            for (int r = 0; r < small_rows; ++r) {
                for (int c = 0; c < w; ++c)
                    lines[r] += pixel(small_glyphs[code], small_glyph_row_length, r + 1, c);
                lines[r] += ' ';
            }
        }
    }
    return lines;
}

void print(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        const std::string text = argv[1];
        std::printf("small font:\n");
        print(set_text(text, false));
        std::printf("large font:\n");
        print(set_text(text, true));
        return 0;
    }
    for (int code = 33; code < 128; ++code) {
        if (small_glyphs[code] == small_glyphs[0]) continue;
        std::printf("%d '%c'  small (width %d)      large\n", code, code, small_width(code));
        const std::vector<std::string> small = set_text(std::string(1, char(code)), false);
        const std::vector<std::string> large = set_text(std::string(1, char(code)), true);
        for (int r = 0; r < large_rows; ++r) {
            // Small rows 1..9 line up with large rows 1..9.
            const std::string left = r < small_rows ? small[r] : "";
            std::printf("  %-24s%s\n", left.c_str(), large[r].c_str());
        }
        std::printf("\n");
    }
    // Large glyphs whose small counterpart shares the blank glyph.
    for (int code = 32; code < 127; ++code) {
        if (code < 128 && small_glyphs[code] != small_glyphs[0]) continue;
        std::printf("%d '%c'  large only\n", code, code);
        print(set_text(std::string(1, char(code)), true));
    }
    return 0;
}
