#include <cmath>

#include "platform/platform.h"

// v = offset / extent * size in single precision, then clamped into 0..size - 1.
static int clamp_to_framebuffer(float v, int32_t size)
{
    if (!(v >= 0.0f)) return 0;
    if (v > float(size - 1)) return size - 1;
    return int(v);
}

int framebuffer_x_of(int32_t screen_x, const screen_rect& window, int32_t screen_width)
{
    const int32_t extent = window.right - window.left;
    if (extent <= 0) return 0;
    const float v = float(screen_x - window.left) / float(extent) * float(screen_width);
    return clamp_to_framebuffer(v, screen_width);
}

int framebuffer_y_of(int32_t screen_y, const screen_rect& window, int32_t screen_height)
{
    const int32_t extent = window.bottom - window.top;
    if (extent <= 0) return 0;
    const float v = float(window.bottom - screen_y) / float(extent) * float(screen_height);
    return clamp_to_framebuffer(v, screen_height);
}
