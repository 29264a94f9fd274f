#include "paint.h"

#include <algorithm>

uint32_t noise_at(uint32_t seed, int x, int y)
{
    uint32_t h = seed * 0x9E3779B9u ^ uint32_t(x) * 0x85EBCA6Bu ^ uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

rgb shade(rgb colour, int delta)
{
    auto channel = [delta](uint8_t value) { return uint8_t(std::clamp(int(value) + delta, 0, 255)); };
    return {channel(colour.r), channel(colour.g), channel(colour.b)};
}

rgb mix(rgb a, rgb b, int t)
{
    auto channel = [t](uint8_t from, uint8_t to) { return uint8_t((from * (256 - t) + to * t) / 256); };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

void fill_rect(canvas& picture, int x, int y, int w, int h, rgb colour)
{
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column) picture.set(column, row, colour);
}

void draw_segment(canvas& picture, int x0, int y0, int x1, int y1, rgb colour)
{
    trace_line(x0, y0, x1, y1, [&](int x, int y) { picture.set(x, y, colour); });
}

void fill_ellipse(canvas& picture, int cx, int cy, int rx, int ry, rgb colour)
{
    if (rx <= 0 || ry <= 0) {
        picture.set(cx, cy, colour);
        return;
    }
    for (int y = -ry; y <= ry; ++y)
        for (int x = -rx; x <= rx; ++x)
            if (x * x * ry * ry + y * y * rx * rx <= rx * rx * ry * ry) picture.set(cx + x, cy + y, colour);
}

void speckle(canvas& picture, uint32_t seed, int amplitude)
{
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const int delta = int(noise_at(seed, x, y) % uint32_t(2 * amplitude + 1)) - amplitude;
            picture.set(x, y, shade(picture.get(x, y), delta));
        }
}

void outline_figure(canvas& picture, rgb background, rgb outline)
{
    const canvas before = picture;
    auto is_figure = [&](int x, int y) {
        return before.inside(x, y) && !(before.get(x, y) == background) && !(before.get(x, y) == outline);
    };
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (before.get(x, y) == background &&
                (is_figure(x - 1, y) || is_figure(x + 1, y) || is_figure(x, y - 1) || is_figure(x, y + 1)))
                picture.set(x, y, outline);
}
