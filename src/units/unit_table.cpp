#include "units/unit_table.h"

#include "shell/game_state.h"
#include "world/random.h"
#include "world/tile_codes.h"

namespace {

constexpr int32_t last_seeded_unit = 255;
constexpr int32_t seeding_tries = 1000;
constexpr int32_t seeded_levels = 3;
constexpr uint16_t seeded_sprite = 849;
constexpr float seeded_health = 24.0f;

void place_unit(unit_record& unit, int32_t x, int32_t y, int32_t level)
{
    unit.alive = 1;
    unit.category = 1;
    unit.hidden = 0;
    unit.has_order = 0;
    unit.move_phase = 0;
    unit.sprite = seeded_sprite;
    unit.max_health = seeded_health;
    unit.health = seeded_health;
    unit.x = uint16_t(x);
    unit.y = uint16_t(y);
    unit.level = uint16_t(level);
    unit.target_x = uint16_t(x);
    unit.target_y = uint16_t(y);
    unit.offset_x = 0.5f;
    unit.offset_y = 0.5f;
    unit.offset_z = 0.5f;
    unit.bar_style = 0;
}

}  // namespace

void seed_units()
{
    unit_record& nobody = game.unit_table[0];
    nobody.alive = 0;
    nobody.sprite = 0;
    nobody.has_order = 0;
    for (int32_t u = 1; u <= last_seeded_unit; ++u) {
        for (int32_t t = 0; t < seeding_tries; ++t) {
            // Three draws on every try, in this order; unit 1's level draw is
            // made and then overridden.
            const int32_t x = next_random() % (game.world_size - 2) + 1;
            const int32_t y = next_random() % (game.world_size - 2) + 1;
            int32_t level = next_random() % seeded_levels;
            if (u == 1) level = 1;
            if (is_excluded_start(game.world_planes[cell_index(x, y, level)])) continue;
            place_unit(game.unit_table[u], x, y, level);
            break;
        }
    }
}
