// Shared fixtures (no test cases of their own live here).
#include "test_support.h"

#include "draw/framebuffer.h"

void state_test::SetUp()
{
    use_real_input();
    platform_settings settings;
    settings.no_sleep = true;  // pauses are counted, never slept, in tests
    configure_platform(settings);
    reset_game_state();
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
