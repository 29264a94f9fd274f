// Any bytes as a map file: read into the levels, summarised into the coarse
// planes and the surface shown by the overworld view.
#include <cstring>

#include "fuzz_support.h"
#include "platform/files.h"
#include "shell/game_state.h"
#include "views/overworld_view.h"
#include "world/overworld_map.h"
#include "world/planes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    start_small_world();
    set_data_folder(scratch_folder_path());
    std::memset(game.world_planes, 0, size_t(3) * game.plane_size);
    write_input("map/8.overworld", data, size);
    load_overworld(8, 3);
    build_coarse_planes();
    draw_overworld();
    return 0;
}
