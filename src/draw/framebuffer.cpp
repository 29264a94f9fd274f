#include "draw/framebuffer.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "shell/allocate.h"
#include "shell/game_state.h"

namespace {

size_t screen_bytes()
{
    return size_t(game.screen_width) * size_t(game.screen_height) * 4;
}

int32_t step_toward(int32_t from, int32_t to)
{
    return to > from ? 1 : (to < from ? -1 : 0);
}

}  // namespace

void set_screen_mode(int32_t width, int32_t height)
{
    game.screen_width = width;
    game.screen_height = height;
    release_table(game.framebuffer);
    release_table(game.scratch_buffer);
    // Both start zero-filled so that a canvas shown before its first full
    // write (the screensaver entered early) shows black, not leftovers.
    game.framebuffer = allocate_table<uint8_t>(screen_bytes());
    game.scratch_buffer = allocate_table<uint8_t>(screen_bytes());
}

void begin_frame()
{
    if (game.gl_context) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
    }
    std::memset(game.framebuffer, 0, screen_bytes());
}

void present_frame()
{
    if (!game.gl_context) return;
    glDisable(GL_TEXTURE_2D);
    if (game.pixel_zoom >= 1 && game.pixel_zoom <= 5)
        glPixelZoom(float(game.pixel_zoom), float(game.pixel_zoom));
    glDrawPixels(game.screen_width, game.screen_height, GL_RGBA, GL_UNSIGNED_BYTE, game.framebuffer);
    swap_buffers();
    glEnable(GL_TEXTURE_2D);
}

void draw_line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t r, uint8_t g, uint8_t b)
{
    const int32_t dx = std::abs(x1 - x0);
    const int32_t dy = std::abs(y1 - y0);
    const int32_t sx = step_toward(x0, x1);
    const int32_t sy = step_toward(y0, y1);
    int32_t x = x0, y = y0;
    put_pixel(x, y, r, g, b);
    // The error starts at the minor difference; a minor step is taken only
    // when it exceeds the major difference, so the last point is (x1, y1).
    if (dx > dy) {
        int32_t e = dy;
        for (int32_t i = 0; i < dx; ++i) {
            e += dy;
            if (e > dx) {
                e -= dx;
                y += sy;
            }
            x += sx;
            put_pixel(x, y, r, g, b);
        }
    } else {
        int32_t e = dx;
        for (int32_t i = 0; i < dy; ++i) {
            e += dx;
            if (e > dy) {
                e -= dy;
                x += sx;
            }
            y += sy;
            put_pixel(x, y, r, g, b);
        }
    }
}

void draw_circle(double cx, double cy, double radius, int32_t r, int32_t g, int32_t b)
{
    if (radius < 0.0) radius = 0.0;
    if (radius > 9999.0) radius = 9999.0;
    if (!game.sine_table || !game.cosine_table) return;
    const double step = (1.0 / radius) * 50.0;
    const int32_t centre_x = int32_t(std::trunc(cx));
    const int32_t centre_y = int32_t(std::trunc(cy));
    // From straight below the centre (0 degrees) to straight above (180),
    // each step sets a point of the right half and its mirror on the left.
    for (double a = 0.0; a <= 180.0; a += step) {
        const int32_t i = int32_t(std::trunc(a * 1000.0));
        const double dx = game.sine_table[i] * radius;
        const double dy = -radius * game.cosine_table[i];
        const int32_t ix = int32_t(std::trunc(dx));
        const int32_t iy = int32_t(std::trunc(dy));
        put_scratch_pixel(ix + centre_x, iy + centre_y, r, g, b);
        put_scratch_pixel(centre_x - ix, iy + centre_y, r, g, b);
    }
}
