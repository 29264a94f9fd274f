#pragma once
// The software framebuffer and the primitives every picture is drawn with.
// Pixel (x, y) is at byte (y * screen_width + x) * 4, row 0 at the bottom.
#include <cstdint>

// Sets the screen size and allocates both screen buffers anew.
void set_screen_mode(int32_t width, int32_t height);
// Clears the GL buffers and every byte of the framebuffer.
void begin_frame();
// Shows the framebuffer in the window, enlarged by pixel_zoom.
void present_frame();
// Clipped pixel writes (alpha 255) into framebuffer and scratch_buffer.
void put_pixel(int32_t x, int32_t y, int32_t r, int32_t g, int32_t b);
void put_scratch_pixel(int32_t x, int32_t y, int32_t r, int32_t g, int32_t b);
// A line through put_pixel, both end points included.
void draw_line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t r, uint8_t g, uint8_t b);
// A circle outline into scratch_buffer, from the trigonometry tables.
void draw_circle(double cx, double cy, double radius, int32_t r, int32_t g, int32_t b);
