#include "draw/text.h"

#include <bit>

#include "draw/framebuffer.h"
#include "draw/glyph_tables.h"
#include "shell/game_state.h"

namespace {

// The glyph tables as bit masks, one per picture row (bit c inks column c),
// read once from the tables so that drawing visits only the inked pixels.
struct glyph_masks {
    uint8_t small_width[128];
    uint8_t small_rows[128][9];  // rows 1..9 of each small glyph, first `width` columns
    bool large_present[256];
    uint8_t large_rows[256][12];  // rows 1..12 of each large glyph
};

uint8_t row_mask(const char* row, int columns)
{
    uint8_t mask = 0;
    for (int column = 0; column < columns; ++column)
        if (row[column] != '0') mask |= uint8_t(1u << column);
    return mask;
}

const glyph_masks& masks()
{
    static const glyph_masks built = [] {
        glyph_masks m{};
        for (int code = 0; code < 128; ++code) {
            const char* glyph = small_glyphs[code];
            m.small_width[code] = uint8_t(glyph[0] - '0');
            for (int row = 1; row <= 9; ++row)
                m.small_rows[code][row - 1] =
                    row_mask(glyph + row * small_glyph_row_length, m.small_width[code]);
        }
        for (int code = 0; code < 256; ++code) {
            const char* glyph = large_glyphs[code];
            m.large_present[code] = glyph != nullptr;
            if (!glyph) continue;
            for (int row = 1; row <= 12; ++row)
                m.large_rows[code][row - 1] = row_mask(glyph + row * large_glyph_row_length, 8);
        }
        return m;
    }();
    return built;
}

void ink_row(uint8_t mask, int32_t x, int32_t y, int32_t r, int32_t g, int32_t b)
{
    for (; mask; mask &= uint8_t(mask - 1)) put_pixel(x + std::countr_zero(mask), y, r, g, b);
}

}  // namespace

void draw_text_small(int32_t x, int32_t y, int32_t r, int32_t g, int32_t b)
{
    const glyph_masks& m = masks();
    int32_t pen = x;
    for (const char* c = game.text_line; *c; ++c) {
        // Characters above 127 have no small glyph; they draw as the blank one (code 0).
        const unsigned char code = static_cast<unsigned char>(*c) < 128 ? static_cast<unsigned char>(*c) : 0;
        for (int32_t row = 1; row <= 9; ++row)
            ink_row(m.small_rows[code][row - 1], pen, y - row + 2, r, g, b);
        pen += m.small_width[code] + 1;
    }
}

void draw_text_large(int32_t x, int32_t y, int32_t r, int32_t g, int32_t b)
{
    const glyph_masks& m = masks();
    int32_t pen = x;
    for (const char* c = game.text_line; *c; ++c) {
        const unsigned char code = static_cast<unsigned char>(*c);
        // Codes without a glyph advance like a space.
        if (m.large_present[code])
            for (int32_t row = 1; row <= 12; ++row)
                ink_row(m.large_rows[code][row - 1], pen, y - row, r, g, b);
        pen += 8;
    }
}
