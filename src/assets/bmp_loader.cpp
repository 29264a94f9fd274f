#include "assets/bmp_loader.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

#include "shell/game_state.h"

namespace {

constexpr int header_size = 54;

int32_t read_int32(const uint8_t* bytes)
{
    return int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                   uint32_t(bytes[3]) << 24);
}

// The pixel bytes a header promises, or -1 when its dimensions cannot be a picture.
int64_t pixel_bytes_of(int32_t width, int32_t height)
{
    if (width < 0 || height < 0) return -1;
    // The pixel count of two 31-bit sides always fits 64 bits; its three
    // bytes a pixel may not, so the count is bounded first.
    const int64_t pixels = int64_t(width) * int64_t(height);
    if (pixels > std::numeric_limits<int32_t>::max() / 3) return -1;
    return pixels * 3;
}

// Bytes left in the file after the header.
int64_t bytes_after_header(std::FILE* file)
{
    const long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return 0;
    const long end = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return end > here ? int64_t(end - here) : 0;
}

// Turns the file's blue-green-red pixels into red-green-blue.
void swap_red_and_blue(uint8_t* pixels, int64_t bytes)
{
    for (int64_t i = 0; i + 2 < bytes; i += 3) {
        const uint8_t blue = pixels[i];
        pixels[i] = pixels[i + 2];
        pixels[i + 2] = blue;
    }
}

bool read_into_slot(std::FILE* file, image_slot& image)
{
    uint8_t header[header_size];
    if (std::fread(header, 1, header_size, file) != header_size) return false;
    if (header[0] != 'B' || header[1] != 'M') return false;
    if (header[28] != 24) return false;
    const int32_t width = read_int32(header + 18);
    const int32_t height = read_int32(header + 22);
    const int64_t bytes = pixel_bytes_of(width, height);
    if (bytes < 0) return false;
    // From here on the old picture is gone. Pixel data always starts right
    // after the header; rows are read as one run, padding and all. A file too
    // short for its pixels is found out before anything is allocated, and
    // leaves the slot empty.
    release_picture(image);
    image.channels = 3;
    if (bytes_after_header(file) < bytes) return false;
    image.width = width;
    image.height = height;
    if (bytes == 0) return true;
    image.pixels = static_cast<uint8_t*>(std::malloc(size_t(bytes)));
    if (!image.pixels || std::fread(image.pixels, 1, size_t(bytes), file) != size_t(bytes)) {
        release_picture(image);
        return false;
    }
    swap_red_and_blue(image.pixels, bytes);
    make_framebuffer_words(image);
    return true;
}

}  // namespace

bool load_bmp(const char* path, int32_t slot)
{
    if (slot < 0 || slot >= game.image_capacity || !game.image_table) return false;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    const bool loaded = read_into_slot(file, game.image_table[slot]);
    std::fclose(file);
    return loaded;
}
