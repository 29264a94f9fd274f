#pragma once
// The top-down view of the current level: terrain, the selected unit's path,
// and the units with their health bars and labels.
#include <cstdint>

void draw_overworld();
// Copies a picture with its bottom-left corner on framebuffer pixel (x, y),
// clipped to the framebuffer. Pictures are drawn as squares of their width,
// never taller than their real height; a slot outside the table draws nothing.
void blit_image(int32_t x, int32_t y, int32_t slot);
// As blit_image, leaving out the pixels of exactly 255, 0, 246 or 0, 0, 0.
void blit_image_keyed(int32_t x, int32_t y, int32_t slot);
