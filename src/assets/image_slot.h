#pragma once
#include <cstdint>

// A numbered RGB picture. Rows are stored bottom row first, three bytes per
// pixel in the order red, green, blue. An all-zero slot is empty.
struct image_slot {
    uint8_t* pixels;   // width * height * 3 bytes owned by the slot, or null
    int32_t width;     // pixels per row
    int32_t height;    // number of rows
    int32_t channels;  // bytes per pixel: 3 once a file has been loaded
};
