// Any bytes as a picture file: loaded into a slot, then drawn by both blits
// at the edges of the screen and checked as a cube texture.
#include "assets/bmp_loader.h"
#include "assets/image_sets.h"
#include "fuzz_support.h"
#include "shell/game_state.h"
#include "views/overworld_view.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    start_small_world();
    constexpr int slot = 849;
    load_bmp(write_input("input.bmp", data, size).c_str(), slot);
    blit_image(-5, -5, slot);
    blit_image(game.screen_width - 8, game.screen_height - 8, slot);
    blit_image_keyed(100, 100, slot);
    fits_cube_texture(game.image_table[slot]);
    return 0;
}
