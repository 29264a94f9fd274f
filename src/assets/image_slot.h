#pragma once
#include <cstdint>

// A numbered RGB picture. Rows are stored bottom row first, three bytes per
// pixel in the order red, green, blue. An all-zero slot is empty.
struct image_slot {
    uint8_t* pixels;   // width * height * 3 bytes owned by the slot, or null
    int32_t width;     // pixels per row
    int32_t height;    // number of rows
    int32_t channels;  // bytes per pixel: 3 once a file has been loaded
    // The same pixels as framebuffer pixels (red, green, blue, 255), made when
    // the picture is loaded so that the views copy whole rows; null when
    // absent, and the views then convert pixel by pixel.
    uint32_t* framebuffer_words;
};

// Releases the slot's pixels and leaves it empty.
void release_picture(image_slot& image);
// Makes (or makes again) the framebuffer words of the slot's pixels.
void make_framebuffer_words(image_slot& image);
