#pragma once
// A tiny painting kit for the generated pictures: an RGB canvas with row 0
// at the top (as pixel art is drawn) and a few clipped primitives.
#include <cstddef>
#include <cstdint>
#include <vector>

struct rgb {
    uint8_t r, g, b;
    bool operator==(const rgb&) const = default;
};

// The colour the keyed blit leaves out: the background of every unit picture.
inline constexpr rgb key_colour{255, 0, 246};

struct canvas {
    int width = 0;
    int height = 0;
    std::vector<rgb> pixels;  // width * height, row 0 at the top

    canvas(int w, int h, rgb fill) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    void set(int x, int y, rgb colour)
    {
        if (inside(x, y)) pixels[size_t(y) * width + x] = colour;
    }
    rgb get(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// A repeatable pseudo-random value 0..2^32-1 for a seed and a position.
uint32_t noise_at(uint32_t seed, int x, int y);
// The colour made lighter (delta > 0) or darker (delta < 0), each channel clamped to 0..255.
rgb shade(rgb colour, int delta);
// The blend of a and b, t = 0 giving a and t = 256 giving b.
rgb mix(rgb a, rgb b, int t);

void fill_rect(canvas& picture, int x, int y, int w, int h, rgb colour);
// Bresenham's line from (x0, y0) to (x1, y1), both ends included, handing
// every point to plot (so that callers can clip, wrap or blend).
template <class plot_point> void trace_line(int x0, int y0, int x1, int y1, plot_point plot)
{
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1, dy = -(y1 > y0 ? y1 - y0 : y0 - y1);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        plot(x0, y0);
        if (x0 == x1 && y0 == y1) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}
void draw_segment(canvas& picture, int x0, int y0, int x1, int y1, rgb colour);
// Every pixel whose centre lies within the ellipse of centre (cx, cy) and radii rx, ry.
void fill_ellipse(canvas& picture, int cx, int cy, int rx, int ry, rgb colour);
// Every pixel of the canvas shifted by up to +-amplitude in brightness, by noise_at(seed).
void speckle(canvas& picture, uint32_t seed, int amplitude);
// Paints the background pixels that touch a figure pixel (4-neighbourhood) in the outline colour.
void outline_figure(canvas& picture, rgb background, rgb outline);
