#pragma once
// The software framebuffer and the primitives every picture is drawn with.
// Pixel (x, y) is at byte (y * screen_width + x) * 4, row 0 at the bottom.
#include <bit>
#include <cstddef>
#include <cstdint>

#include "shell/game_state.h"

// Sets the screen size and allocates both screen buffers anew.
void set_screen_mode(int32_t width, int32_t height);
// Clears the GL buffers and every byte of the framebuffer.
void begin_frame();
// Shows the framebuffer in the window, enlarged by pixel_zoom.
void present_frame();
// A clipped pixel write (alpha 255) into a screen-sized buffer.
inline void store_pixel(uint8_t* buffer, int32_t x, int32_t y, int32_t r, int32_t g, int32_t b)
{
    if (!buffer || x < 0 || y < 0 || x >= game.screen_width || y >= game.screen_height) return;
    uint8_t* pixel = buffer + (size_t(y) * game.screen_width + x) * 4;
    pixel[0] = uint8_t(r);
    pixel[1] = uint8_t(g);
    pixel[2] = uint8_t(b);
    pixel[3] = 255;
}
// Clipped pixel writes into framebuffer and scratch_buffer. Inline, since
// text, lines and the panel draw through them pixel by pixel.
inline void put_pixel(int32_t x, int32_t y, int32_t r, int32_t g, int32_t b)
{
    store_pixel(game.framebuffer, x, y, r, g, b);
}
inline void put_scratch_pixel(int32_t x, int32_t y, int32_t r, int32_t g, int32_t b)
{
    store_pixel(game.scratch_buffer, x, y, r, g, b);
}
// A line through put_pixel, both end points included.
void draw_line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t r, uint8_t g, uint8_t b);
// A circle outline into scratch_buffer, from the trigonometry tables.
void draw_circle(double cx, double cy, double radius, int32_t r, int32_t g, int32_t b);

// The framebuffer pixel (red, green, blue, 255) of a picture pixel (red,
// green, blue), as the 32-bit word whose bytes in memory are in that order.
inline uint32_t framebuffer_word(const uint8_t* rgb)
{
    if constexpr (std::endian::native == std::endian::little)
        return uint32_t(rgb[0]) | uint32_t(rgb[1]) << 8 | uint32_t(rgb[2]) << 16 | 0xFF000000u;
    else
        return uint32_t(rgb[0]) << 24 | uint32_t(rgb[1]) << 16 | uint32_t(rgb[2]) << 8 | 0xFFu;
}
