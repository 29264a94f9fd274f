#include "world/overworld_map.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/files.h"
#include "platform/platform.h"
#include "shell/game_state.h"

std::string overworld_file_name(int32_t map_number)
{
    return data_path("map/" + std::to_string(map_number) + ".overworld");
}

void load_overworld(int32_t map_number, int32_t level_count_to_read)
{
    std::FILE* file = std::fopen(overworld_file_name(map_number).c_str(), "rb");
    if (!file) return;
    // The file is a plain dump of the first levels; whatever it holds fills
    // the cells in order, and a short file leaves the rest at 0. Never more
    // levels than the stack has.
    const int64_t levels = std::clamp(level_count_to_read, 0, game.level_count);
    std::fread(game.world_planes, 1, size_t(levels) * size_t(game.plane_size), file);
    std::fclose(file);
    pause_ms(1000);
}
