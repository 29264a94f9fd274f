#include "draw/text.h"

#include "draw/framebuffer.h"
#include "draw/glyph_tables.h"
#include "shell/game_state.h"

namespace {

// Characters above 127 have no small glyph; they draw as the blank one (code 0).
const char* small_glyph_of(unsigned char c)
{
    return small_glyphs[c < 128 ? c : 0];
}

}  // namespace

void draw_text_small(int32_t x, int32_t y, int32_t r, int32_t g, int32_t b)
{
    int32_t pen = x;
    for (const char* c = game.text_line; *c; ++c) {
        const char* glyph = small_glyph_of(static_cast<unsigned char>(*c));
        const int32_t width = glyph[0] - '0';
        for (int32_t row = 1; row <= 9; ++row)
            for (int32_t column = 0; column < width; ++column)
                if (glyph[row * small_glyph_row_length + column] != '0')
                    put_pixel(pen + column, y - row + 2, r, g, b);
        pen += width + 1;
    }
}

void draw_text_large(int32_t x, int32_t y, int32_t r, int32_t g, int32_t b)
{
    int32_t pen = x;
    for (const char* c = game.text_line; *c; ++c) {
        // Codes without a glyph advance like a space.
        if (const char* glyph = large_glyphs[static_cast<unsigned char>(*c)]) {
            for (int32_t row = 1; row <= 12; ++row)
                for (int32_t column = 0; column < 8; ++column)
                    if (glyph[row * large_glyph_row_length + column] != '0')
                        put_pixel(pen + column, y - row, r, g, b);
        }
        pen += 8;
    }
}
