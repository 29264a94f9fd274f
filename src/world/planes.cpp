#include "world/planes.h"

#include "shell/game_state.h"
#include "world/random.h"
#include "world/tile_codes.h"

namespace {

// Whether more than 50 cells of the block are mountain; stops counting as soon as that is settled.
bool block_is_mountainous(int32_t level, int32_t first_x, int32_t first_y, int32_t side)
{
    int count = 0;
    for (int32_t y = first_y; y < first_y + side; ++y) {
        const uint8_t* row = game.world_planes + cell_index(first_x, y, level);
        for (int32_t x = 0; x < side; ++x) {
            if (is_mountain(row[x]) && ++count > 50) return true;
        }
    }
    return false;
}

}  // namespace

void build_coarse_planes()
{
    const int32_t side = game.world_size / 64;
    for (int32_t level = 0; level < 3; ++level) {
        for (int32_t by = 0; by < 64; ++by) {
            for (int32_t bx = 0; bx < 64; ++bx) {
                const bool mountainous = block_is_mountainous(level, side * bx, side * by, side);
                game.world_planes[cell_index(bx, by, level + 10)] =
                    mountainous ? coarse_mountainous : coarse_open;
            }
        }
    }
}

void scatter_features()
{
    seed_random(96);
    int32_t next = 1;
    for (int32_t level = 0; level < 3; ++level) {
        for (int placed = 0; placed < 256; ++placed) {
            const int32_t x = next_random() % 1022 + 1;
            const int32_t y = next_random() % 1022 + 1;
            const int32_t kind = next_random() % 6 + 1;
            const uint8_t code = feature_codes[kind - 1];
            game.world_planes[cell_index(x, y, level)] = code;
            game.feature_list[next] = feature_record{uint16_t(x), uint16_t(y), uint16_t(level), 1, code, 0};
            next += 1;
        }
        game.feature_count = next;
    }
}
