#pragma once
// Reads a 24-bit BMP with a 54-byte header into an image slot.
#include <cstdint>

// Loads the file into image_table[slot]; true when the slot now holds its
// pixels. A file that cannot be opened, or whose header is refused (short,
// not "BM", not 24 bits, negative or oversized dimensions), leaves the slot
// as it was; a file too short for the pixels its header promises leaves the
// slot empty.
bool load_bmp(const char* path, int32_t slot);
