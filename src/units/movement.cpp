#include "units/movement.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "shell/game_state.h"
#include "world/random.h"
#include "world/tile_codes.h"

namespace {

constexpr int32_t block_side = 16;       // cells per coarse block along each axis
constexpr int32_t search_side = 64;      // window side of both searches
constexpr int32_t waypoint_tries = 220;  // draws for a waypoint off the mountains
constexpr int32_t coarse_offset = 10;    // coarse map of level k is level k + 10

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

// What a coarse search decided for one unit: whether there is a coarse path,
// and the block it steps to first.
struct coarse_outcome {
    bool found;
    int32_t next_x, next_y;
};

// The scratch record stands for unit u on the coarse map during its search.
void describe_coarse_search(const unit_record& unit, unit_record& scratch)
{
    scratch.x = uint16_t(unit.x / block_side);
    scratch.y = uint16_t(unit.y / block_side);
    scratch.level = uint16_t(unit.level + coarse_offset);
    scratch.target_x = uint16_t(unit.target_x / block_side);
    scratch.target_y = uint16_t(unit.target_y / block_side);
}

// A level without a coarse map in the stack (170 and up) has no coarse path;
// so has one whose number would not fit the record's field. The search itself
// refuses levels outside the stack, so a found coarse path also means the
// unit's own level is a level of the stack.
bool has_coarse_map(const unit_record& unit)
{
    return unit.level + coarse_offset < game.level_count;
}

// The coarse search for a unit in the given context, leaving every stored
// path as it is.
coarse_outcome search_coarse_step(path_search& search, const unit_record& unit)
{
    if (!has_coarse_map(unit)) return {false, 0, 0};
    unit_record coarse{};
    describe_coarse_search(unit, coarse);
    begin_search_in_window_on(search, 0, 0, coarse.x, coarse.y, coarse.target_x, coarse.target_y,
                              coarse.level, search_side);
    run_search_on(search, search_side * search_side);
    if (search.found != 1) return {false, 0, 0};
    find_first_step(search);
    return {true, search.first_step_x, search.first_step_y};
}

// What a unit does with its coarse search: head for a random cell of the next
// block, or for the target itself, or stop there.
void follow_coarse_outcome(int32_t u, const coarse_outcome& outcome)
{
    unit_record& unit = game.unit_table[u];
    if (outcome.found) {
        choose_waypoint_in_block(unit, outcome.next_x, outcome.next_y);
        unit.move_phase = 1;
        return;
    }
    game.pathfinder->path_step[u] = no_path;
    if (unit.x == unit.target_x && unit.y == unit.target_y) {
        unit.move_phase = 3;
    } else {
        unit.waypoint_x = unit.target_x;
        unit.waypoint_y = unit.target_y;
        unit.move_phase = 1;
    }
}

// The scratch record stands for unit u on the coarse map while u plans.
void stand_in_for(int32_t u)
{
    unit_record& scratch = game.unit_table[scratch_unit];
    scratch.alive = 1;
    describe_coarse_search(game.unit_table[u], scratch);
}

// Ends u's planning with its coarse outcome: the scratch record keeps the
// first block of a found coarse path and is released again.
void finish_coarse_planning(int32_t u, const coarse_outcome& outcome)
{
    unit_record& scratch = game.unit_table[scratch_unit];
    if (outcome.found) {
        scratch.next_x = uint16_t(outcome.next_x);
        scratch.next_y = uint16_t(outcome.next_y);
    }
    follow_coarse_outcome(u, outcome);
    scratch.alive = 0;
}

int32_t follow_path_on(path_search& search, int32_t u, int32_t goal_x, int32_t goal_y, int32_t side)
{
    unit_record& unit = game.unit_table[u];
    int32_t& step = search.path_step[u];
    if (step == no_path) {
        begin_search_centred_on(search, unit.x, unit.y, goal_x, goal_y, unit.level, side);
        run_search_on(search, side * side);
        if (search.found != 1) {
            step = no_path;
            search.path_length[u] = 0;
            unit.has_order = 0;
            return 0;
        }
        search.path_goal_x[u] = goal_x;
        search.path_goal_y[u] = goal_y;
        extract_path_on(search, u);
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

// One cell towards the waypoint, or back to planning when there is none.
void step_towards_waypoint(path_search& search, int32_t u)
{
    unit_record& unit = game.unit_table[u];
    if (follow_path_on(search, u, unit.waypoint_x, unit.waypoint_y, search_side) == 1) {
        unit.x = unit.next_x;
        unit.y = unit.next_y;
    } else {
        unit.has_order = 1;
        unit.move_phase = 2;
        game.pathfinder->path_step[u] = no_path;
    }
}

bool takes_part_in_step_pass(const unit_record& unit)
{
    return unit.alive == 1 && unit.hidden == 0 && unit.has_order == 1;
}

// Fewer searches than this are not worth a second thread.
constexpr int32_t searches_worth_sharing = 4;

// Runs work(search, i) for i in 0..count-1: on the main context, and when
// there is enough work, on the helper context in a second thread as well.
// Every item touches only its own unit, so which thread takes it changes
// nothing but the time.
template <class Work> void share_out(int32_t count, int32_t searches, const Work& work)
{
    std::atomic<int32_t> next{0};
    auto drain = [&](path_search& search) {
        for (int32_t i = next.fetch_add(1); i < count; i = next.fetch_add(1)) work(search, i);
    };
    std::thread helper;
    static const bool two_cores = std::thread::hardware_concurrency() > 1;
    if (searches >= searches_worth_sharing && two_cores) {
        try {
            helper = std::thread(drain, std::ref(*game.search_helper));
        } catch (const std::system_error&) {
            // No second thread to be had: the main thread does it all.
        }
    }
    drain(*game.pathfinder);
    if (helper.joinable()) helper.join();
}

// The units of one step pass, in index order, kept between passes so that a
// pass allocates nothing.
struct step_pass_lists {
    std::vector<int32_t> planners;  // phase 0 or 2: a coarse search first
    std::vector<coarse_outcome> outcomes;
    std::vector<int32_t> walkers;  // phase 1 once planned
};

step_pass_lists& pass_lists()
{
    static step_pass_lists lists;
    if (lists.planners.capacity() < size_t(game.unit_capacity)) {
        lists.planners.reserve(size_t(game.unit_capacity));
        lists.outcomes.reserve(size_t(game.unit_capacity));
        lists.walkers.reserve(size_t(game.unit_capacity));
    }
    lists.planners.clear();
    lists.outcomes.clear();
    lists.walkers.clear();
    return lists;
}

// The scratch record's path store ends as the one-by-one pass leaves it: with
// the last coarse path found. The searches ran without storing, so the last
// found one is searched again, and the scratch record is then put back as the
// last planning unit left it.
void store_last_coarse_path(const step_pass_lists& lists)
{
    for (size_t i = lists.planners.size(); i-- > 0;) {
        if (!lists.outcomes[i].found) continue;
        unit_record& scratch = game.unit_table[scratch_unit];
        const unit_record left = scratch;
        describe_coarse_search(game.unit_table[lists.planners[i]], scratch);
        plan_in_window(scratch_unit, scratch.target_x, scratch.target_y, search_side, 0, 0);
        scratch = left;
        return;
    }
}

}  // namespace

void plan_coarse_step(int32_t u)
{
    const unit_record& scratch = game.unit_table[scratch_unit];
    stand_in_for(u);
    const bool found =
        has_coarse_map(game.unit_table[u]) &&
        plan_in_window(scratch_unit, scratch.target_x, scratch.target_y, search_side, 0, 0) == 1;
    finish_coarse_planning(u, {found, scratch.next_x, scratch.next_y});
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
    return follow_path_on(*game.pathfinder, u, goal_x, goal_y, side);
}

void advance_units_one_by_one()
{
    for (int32_t u = 0; u < game.unit_capacity; ++u) {
        unit_record& unit = game.unit_table[u];
        if (!takes_part_in_step_pass(unit)) continue;
        if (unit.move_phase == 0 || unit.move_phase == 2) plan_coarse_step(u);
        if (unit.move_phase == 1) step_towards_waypoint(*game.pathfinder, u);
    }
}

// The same pass in three stages. A unit's searches depend only on its own
// record and the world, and the only draws of a pass are the waypoints, made
// in unit order after each unit's coarse search. So the coarse searches can
// all run first, side by side; the waypoints are then drawn in unit order;
// and the fine searches and steps run side by side again.
void advance_units()
{
    step_pass_lists& lists = pass_lists();
    for (int32_t u = 0; u < game.unit_capacity; ++u) {
        const unit_record& unit = game.unit_table[u];
        if (!takes_part_in_step_pass(unit)) continue;
        if (unit.move_phase == 0 || unit.move_phase == 2) lists.planners.push_back(u);
    }
    const int32_t planners = int32_t(lists.planners.size());
    lists.outcomes.resize(lists.planners.size());
    share_out(planners, planners, [&](path_search& search, int32_t i) {
        lists.outcomes[size_t(i)] = search_coarse_step(search, game.unit_table[lists.planners[size_t(i)]]);
    });

    for (int32_t i = 0; i < planners; ++i) {
        stand_in_for(lists.planners[size_t(i)]);
        finish_coarse_planning(lists.planners[size_t(i)], lists.outcomes[size_t(i)]);
    }
    store_last_coarse_path(lists);

    int32_t searches = 0;
    for (int32_t u = 0; u < game.unit_capacity; ++u) {
        const unit_record& unit = game.unit_table[u];
        if (!takes_part_in_step_pass(unit) || unit.move_phase != 1) continue;
        lists.walkers.push_back(u);
        searches += game.pathfinder->path_step[u] == no_path;
    }
    share_out(int32_t(lists.walkers.size()), searches, [&](path_search& search, int32_t i) {
        step_towards_waypoint(search, lists.walkers[size_t(i)]);
    });
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
