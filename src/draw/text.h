#pragma once
// Text drawing: both functions draw whatever text_line holds, pixel by pixel
// through put_pixel, so text is clipped and never wraps. y counts upward.
#include <cstdint>

// Small proportional font: row i of a glyph lands on y - i + 2.
void draw_text_small(int32_t x, int32_t y, int32_t r, int32_t g, int32_t b);
// Large 8-pixel fixed-width font: row i lands on y - i.
void draw_text_large(int32_t x, int32_t y, int32_t r, int32_t g, int32_t b);
