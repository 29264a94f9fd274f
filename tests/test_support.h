#pragma once
// Shared fixtures of the tests: a fresh state record per test, scripted keys.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/input_script.h"
#include "platform/platform.h"
#include "shell/game_state.h"

// A freshly initialised state record with the running world size and the
// overworld screen mode, released again after the test.
class state_test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Replaces the keyboard and mouse by a script given as text.
    void script(const std::string& text);
    // As state_test, plus a headless window with its GL context.
    void open_headless_window();
};

// A folder of the test's own under the system's temporary folder, removed
// again when the test ends.
class scratch_folder {
public:
    scratch_folder();
    ~scratch_folder();
    scratch_folder(const scratch_folder&) = delete;
    scratch_folder& operator=(const scratch_folder&) = delete;
    const std::filesystem::path& path() const { return root; }
    // Writes bytes to a file under the folder, creating its folders.
    std::filesystem::path write(const std::string& relative, const std::string& bytes) const;

private:
    std::filesystem::path root;
};

// The bytes of a BMP file: a 54-byte header with the given dimensions, depth
// and pixel-data offset field, then the data as given (stored blue, green, red).
std::string bmp_file(int32_t width, int32_t height, const std::vector<uint8_t>& data, int bits = 24,
                     uint32_t data_offset = 54);
// A solid width x height 24-bit BMP of one colour.
std::string solid_bmp(int32_t width, int32_t height, uint8_t r, uint8_t g, uint8_t b);
// Puts a picture straight into an image slot: rgb holds width * height * 3
// bytes, bottom row first. The slot owns the copy.
void put_picture(int32_t slot, int32_t width, int32_t height, const std::vector<uint8_t>& rgb);
// A picture of one colour.
void put_solid_picture(int32_t slot, int32_t width, int32_t height, uint8_t r, uint8_t g, uint8_t b);

// Byte offset of framebuffer pixel (x, y).
size_t pixel_offset(int x, int y);
// Whether framebuffer pixel (x, y) holds exactly r, g, b with alpha 255.
bool pixel_is(int x, int y, int r, int g, int b);
// The number of framebuffer pixels that are not all zero.
int drawn_pixel_count();
