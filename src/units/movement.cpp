#include "units/movement.h"

#include <cstddef>

#include "platform/platform.h"
#include "shell/game_state.h"
#include "world/random.h"
#include "world/tile_codes.h"

namespace {

constexpr int32_t block_side = 16;      // cells per coarse block along each axis
constexpr int32_t search_side = 64;     // window side of both searches
constexpr int32_t waypoint_tries = 220;  // draws for a waypoint off the mountains
constexpr int32_t coarse_offset = 10;   // coarse map of level k is level k + 10

// A destination anywhere but the outer ring of a 1024-cell level.
uint16_t random_destination()
{
    return uint16_t(next_random() % 1022 + 1);
}

bool inside_level_interior(int32_t x, int32_t y)
{
    return x >= 1 && x <= game.world_size - 2 && y >= 1 && y <= game.world_size - 2;
}

void start_order(int32_t u)
{
    unit_record& unit = game.unit_table[u];
    unit.has_order = 1;
    unit.move_phase = 0;
    game.pathfinder->path_step[u] = no_path;
}

// A cell's code, reading nothing outside the level: a world smaller than the
// coarse map's 64 blocks can draw waypoints beyond its edge.
uint8_t code_within_level(int32_t x, int32_t y, int32_t level)
{
    if (x >= game.world_size || y >= game.world_size) return tile::empty;
    return game.world_planes[cell_index(x, y, level)];
}

// Draws a cell of the chosen block until it is not a mountain; after the
// last try the last cell drawn stays.
void choose_waypoint_in_block(unit_record& unit, int32_t block_x, int32_t block_y)
{
    for (int32_t t = 0; t < waypoint_tries; ++t) {
        unit.waypoint_x = uint16_t(block_side * block_x + next_random() % block_side);
        unit.waypoint_y = uint16_t(block_side * block_y + next_random() % block_side);
        if (!is_mountain(code_within_level(unit.waypoint_x, unit.waypoint_y, unit.level))) return;
    }
}

int32_t* stored_path_x(int32_t u)
{
    return game.pathfinder->path_x + size_t(u) * path_store_capacity;
}

int32_t* stored_path_y(int32_t u)
{
    return game.pathfinder->path_y + size_t(u) * path_store_capacity;
}

}  // namespace

void plan_coarse_step(int32_t u)
{
    unit_record& unit = game.unit_table[u];
    unit_record& scratch = game.unit_table[scratch_unit];
    const int32_t coarse_level = unit.level + coarse_offset;
    scratch.alive = 1;
    scratch.x = uint16_t(unit.x / block_side);
    scratch.y = uint16_t(unit.y / block_side);
    scratch.level = uint16_t(coarse_level);
    scratch.target_x = uint16_t(unit.target_x / block_side);
    scratch.target_y = uint16_t(unit.target_y / block_side);
    // A level without a coarse map in the stack (170 and up) has no coarse
    // path; so has one whose number would not fit the record's field. The
    // search itself refuses levels outside the stack, so a found coarse path
    // also means unit.level is a level of the stack.
    const bool coarse_found =
        coarse_level < game.level_count &&
        plan_in_window(scratch_unit, scratch.target_x, scratch.target_y, search_side, 0, 0) == 1;
    if (coarse_found) {
        choose_waypoint_in_block(unit, scratch.next_x, scratch.next_y);
        unit.move_phase = 1;
    } else {
        game.pathfinder->path_step[u] = no_path;
        if (unit.x == unit.target_x && unit.y == unit.target_y) {
            unit.move_phase = 3;
        } else {
            unit.waypoint_x = unit.target_x;
            unit.waypoint_y = unit.target_y;
            unit.move_phase = 1;
        }
    }
    scratch.alive = 0;
}

int32_t plan_in_window(int32_t unit, int32_t goal_x, int32_t goal_y, int32_t side, int32_t window_x,
                       int32_t window_y)
{
    unit_record& record = game.unit_table[unit];
    path_search& search = *game.pathfinder;
    begin_search_in_window(window_x, window_y, record.x, record.y, goal_x, goal_y, record.level, side);
    run_search(side * side);
    if (search.found != 1) return 0;
    extract_path(unit);
    record.next_x = uint16_t(search.first_step_x);
    record.next_y = uint16_t(search.first_step_y);
    return 1;
}

int32_t follow_path(int32_t u, int32_t goal_x, int32_t goal_y, int32_t side)
{
    unit_record& unit = game.unit_table[u];
    path_search& search = *game.pathfinder;
    int32_t& step = search.path_step[u];
    if (step == no_path) {
        begin_search_centred(unit.x, unit.y, goal_x, goal_y, unit.level, side);
        run_search(side * side);
        if (search.found != 1) {
            step = no_path;
            search.path_length[u] = 0;
            unit.has_order = 0;
            return 0;
        }
        search.path_goal_x[u] = goal_x;
        search.path_goal_y[u] = goal_y;
        extract_path(u);
        unit.next_x = uint16_t(stored_path_x(u)[step]);
        unit.next_y = uint16_t(stored_path_y(u)[step]);
        step -= 1;
        return 1;
    }
    if (step < 0) return 0;
    unit.next_x = uint16_t(stored_path_x(u)[step]);
    unit.next_y = uint16_t(stored_path_y(u)[step]);
    step -= 1;
    if (step >= 0) return 1;
    // The path is used up: the unit is placed on the goal it asked for.
    step = no_path;
    unit.has_order = 0;
    unit.x = uint16_t(search.path_goal_x[u]);
    unit.y = uint16_t(search.path_goal_y[u]);
    return 0;
}

void advance_units()
{
    for (int32_t u = 0; u < game.unit_capacity; ++u) {
        unit_record& unit = game.unit_table[u];
        if (unit.alive != 1 || unit.hidden != 0 || unit.has_order != 1) continue;
        if (unit.move_phase == 0 || unit.move_phase == 2) plan_coarse_step(u);
        if (unit.move_phase != 1) continue;
        if (follow_path(u, unit.waypoint_x, unit.waypoint_y, search_side) == 1) {
            unit.x = unit.next_x;
            unit.y = unit.next_y;
        } else {
            unit.has_order = 1;
            unit.move_phase = 2;
            game.pathfinder->path_step[u] = no_path;
        }
    }
}

void issue_move_order(int32_t u, int32_t x, int32_t y)
{
    unit_record& unit = game.unit_table[u];
    unit.target_x = uint16_t(x);
    unit.target_y = uint16_t(y);
    unit.waypoint_x = 0;
    unit.waypoint_y = 0;
    start_order(u);
}

void order_random_destination()
{
    if (!key_down('A')) return;
    unit_record& unit = game.unit_table[1];
    if (unit.alive == 1) {
        unit.target_x = random_destination();
        unit.target_y = random_destination();
        if (inside_level_interior(unit.target_x, unit.target_y)) start_order(1);
    }
    pause_ms(400);
}

void wander_units()
{
    for (int32_t u = 2; u < game.unit_capacity; ++u) {
        unit_record& unit = game.unit_table[u];
        if (unit.alive != 1 || !(unit.has_order == 0 || unit.move_phase == 3)) continue;
        unit.target_x = random_destination();
        unit.target_y = random_destination();
        unit.waypoint_x = 0;
        unit.waypoint_y = 0;
        if (inside_level_interior(unit.target_x, unit.target_y)) start_order(u);
    }
}
