// Shared fixtures (no test cases of their own live here).
#include "test_support.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <unistd.h>

#include "draw/framebuffer.h"
#include "platform/files.h"

void state_test::SetUp()
{
    use_real_input();
    platform_settings settings;
    settings.no_sleep = true;  // pauses are counted, never slept, in tests
    configure_platform(settings);
    reset_game_state();
    // No pictures or map unless a test supplies its own.
    set_data_folder("/nonexistent/tarnwick-test-data");
    game.world_size = 1024;
    game.plane_size = game.world_size * game.world_size;
    game.screen_width = 640;
    game.screen_height = 480;
    init_game_state();
}

void state_test::TearDown()
{
    kill_gl_window();
    free_game_state();
    use_real_input();
}

void state_test::script(const std::string& text)
{
    input_script parsed;
    std::string error;
    ASSERT_TRUE(parse_input_script(text, parsed, error)) << error;
    use_input_script(parsed);
}

void state_test::open_headless_window()
{
    platform_settings settings;
    settings.headless = true;
    settings.no_sleep = true;
    configure_platform(settings);
    ASSERT_EQ(open_main_window(), 1);
}

size_t pixel_offset(int x, int y)
{
    return (size_t(y) * game.screen_width + x) * 4;
}

bool pixel_is(int x, int y, int r, int g, int b)
{
    const uint8_t* p = game.framebuffer + pixel_offset(x, y);
    return p[0] == r && p[1] == g && p[2] == b && p[3] == 255;
}

int drawn_pixel_count()
{
    int count = 0;
    const size_t pixels = size_t(game.screen_width) * game.screen_height;
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* p = game.framebuffer + i * 4;
        if (p[0] | p[1] | p[2] | p[3]) ++count;
    }
    return count;
}

scratch_folder::scratch_folder()
{
    static std::atomic<int> serial{0};
    root = std::filesystem::temp_directory_path() /
           ("tarnwick_test_" + std::to_string(getpid()) + "_" + std::to_string(serial++));
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
}

scratch_folder::~scratch_folder()
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::filesystem::path scratch_folder::write(const std::string& relative, const std::string& bytes) const
{
    const std::filesystem::path file = root / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    return file;
}

namespace {
void put_u32(std::string& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i) bytes[at + i] = char(value >> (8 * i) & 0xFF);
}
}  // namespace

std::string bmp_file(int32_t width, int32_t height, const std::vector<uint8_t>& data, int bits,
                     uint32_t data_offset)
{
    std::string bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put_u32(bytes, 2, uint32_t(54 + data.size()));
    put_u32(bytes, 10, data_offset);
    put_u32(bytes, 14, 40);
    put_u32(bytes, 18, uint32_t(width));
    put_u32(bytes, 22, uint32_t(height));
    bytes[26] = 1;
    bytes[28] = char(bits);
    bytes.append(data.begin(), data.end());
    return bytes;
}

std::string solid_bmp(int32_t width, int32_t height, uint8_t r, uint8_t g, uint8_t b)
{
    std::vector<uint8_t> data;
    for (int32_t i = 0; i < width * height; ++i) data.insert(data.end(), {b, g, r});
    return bmp_file(width, height, data);
}

void put_picture(int32_t slot, int32_t width, int32_t height, const std::vector<uint8_t>& rgb)
{
    image_slot& image = game.image_table[slot];
    release_picture(image);
    image.pixels = static_cast<uint8_t*>(std::malloc(rgb.size() ? rgb.size() : 1));
    if (!rgb.empty()) std::memcpy(image.pixels, rgb.data(), rgb.size());
    image.width = width;
    image.height = height;
    image.channels = 3;
    make_framebuffer_words(image);
}

void put_solid_picture(int32_t slot, int32_t width, int32_t height, uint8_t r, uint8_t g, uint8_t b)
{
    std::vector<uint8_t> rgb;
    for (int32_t i = 0; i < width * height; ++i) rgb.insert(rgb.end(), {r, g, b});
    put_picture(slot, width, height, rgb);
}
