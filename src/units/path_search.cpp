#include "units/path_search.h"

#include <algorithm>
#include <cstring>

#include "shell/allocate.h"
#include "shell/game_state.h"
#include "units/search_queue.h"
#include "units/search_steps.h"
#include "world/tile_codes.h"

namespace {

// The largest cost the scan selection starts from: no reachable cost comes near
// it (a 64 x 64 window's dearest path costs about 1.5 million).
float selection_ceiling()
{
    return float(2 * game.world_size * game.world_size);
}

bool search_level_in_stack(const path_search& s)
{
    return s.search_level >= 0 && s.search_level < game.level_count;
}

uint8_t code_at(const path_search& s, int32_t x, int32_t y)
{
    return game.world_planes[cell_index(x, y, s.search_level)];
}

uint8_t& mark_of(path_search& s, int32_t x, int32_t y)
{
    return s.window_mark[(y - s.window_y) * s.window_side + (x - s.window_x)];
}

int32_t clamped(int32_t value, int32_t low, int32_t high)
{
    return value < low ? low : value > high ? high : value;
}

// The rest of a set-up, shared by both windows once the window's first cell is
// chosen: start and goal pulled into its interior, the marks cleared and the
// border marked, node 0 on the start.
void prepare_window(path_search& s, int32_t start_x, int32_t start_y, int32_t goal_x, int32_t goal_y)
{
    const int32_t side = s.window_side;
    s.start_x = clamped(start_x, s.window_x + 1, s.window_x + side - 2);
    s.start_y = clamped(start_y, s.window_y + 1, s.window_y + side - 2);
    s.goal_x = clamped(goal_x, s.window_x + 1, s.window_x + side - 2);
    s.goal_y = clamped(goal_y, s.window_y + 1, s.window_y + side - 2);

    // Only the marks are cleared: a node's entries are all written when it is
    // created, and nothing reads past the last node created.
    std::memset(s.window_mark, 0, size_t(side) * size_t(side));
    // No node is ever created on the border, so every node's eight
    // neighbours lie inside the window.
    for (int32_t i = 0; i < side; ++i) {
        s.window_mark[i] = 1;
        s.window_mark[(side - 1) * side + i] = 1;
        s.window_mark[i * side] = 1;
        s.window_mark[i * side + side - 1] = 1;
    }
    mark_of(s, s.start_x, s.start_y) = 0;
    mark_of(s, s.goal_x, s.goal_y) = 0;

    s.node_x[0] = int16_t(s.start_x);
    s.node_y[0] = int16_t(s.start_y);
    s.node_parent[0] = 0;
    s.node_state[0] = 0;
    s.node_cost[0] = 1.0f;
    s.current_node = 0;
    s.last_node = 0;
    s.first_open = 0;
    s.found = 0;
    clear_buckets(s);
    fill_neighbour_table(&s);
    s.ready = 1;
}

// A window needs an interior and must fit the level.
int32_t usable_side(int32_t side)
{
    return clamped(side, 3, game.world_size);
}

void close_current(path_search& s)
{
    const int32_t n = s.current_node;
    s.node_state[n] = 9;
    mark_of(s, s.node_x[n], s.node_y[n]) = 9;
}

// The plain reference: every expansion examines the neighbours straight from
// the level and the marks, and the next node is picked by a scan over every
// node. The program's selection must pick exactly the same nodes.

void add_node_plainly(path_search& s, int32_t d)
{
    const int32_t parent = s.current_node;
    const int32_t n = ++s.last_node;
    const int32_t x = s.node_x[parent] + s.dir_dx[d];
    const int32_t y = s.node_y[parent] + s.dir_dy[d];
    s.node_x[n] = int16_t(x);
    s.node_y[n] = int16_t(y);
    s.node_parent[n] = parent;
    s.node_state[n] = 0;
    s.node_cost[n] = (s.dir_cost[d] + s.node_cost[parent]) + game.tile_cost[code_at(s, x, y)];
    mark_of(s, x, y) = 1;
}

void expand_plainly(path_search& s)
{
    const int32_t cx = s.node_x[s.current_node];
    const int32_t cy = s.node_y[s.current_node];
    for (int32_t d = 0; d < 8; ++d) {
        if (d % 2 == 1 && !(is_corner_clear(code_at(s, cx + s.dir_dx[d], cy)) &&
                            is_corner_clear(code_at(s, cx, cy + s.dir_dy[d]))))
            continue;
        const int32_t nx = cx + s.dir_dx[d];
        const int32_t ny = cy + s.dir_dy[d];
        if (mark_of(s, nx, ny) == 0 && !is_unenterable(code_at(s, nx, ny))) add_node_plainly(s, d);
    }
}

// The cheapest open node; among equal costs the one created last.
int32_t pick_by_scan(path_search& s)
{
    int32_t best = s.last_node;
    float best_cost = selection_ceiling();
    for (int32_t k = s.first_open; k <= s.last_node; ++k) {
        if (s.node_state[k] < 9 && s.node_cost[k] <= best_cost) {
            best = k;
            best_cost = s.node_cost[k];
        }
    }
    for (int32_t k = s.first_open; k <= s.last_node; ++k) {
        if (s.node_state[k] < 9) {
            s.first_open = k;
            break;
        }
    }
    return best;
}

void run_by_scan(path_search& s, int32_t limit)
{
    for (int32_t i = 0; i < limit; ++i) {
        expand_plainly(s);
        close_current(s);
        s.current_node = pick_by_scan(s);
        if (current_is_goal(s)) return reach_goal(s);
    }
}

}  // namespace

void fill_neighbour_table(path_search* search)
{
    for (int d = 0; d < 8; ++d) {
        search->dir_dx[d] = neighbour_dx[d];
        search->dir_dy[d] = neighbour_dy[d];
        search->dir_cost[d] = neighbour_cost[d];
    }
}

namespace {

// The tables a context searches with; the stored paths are separate, since a
// second context shares the first one's.
void allocate_search_tables(path_search* search)
{
    const size_t level_cells = size_t(game.world_size) * size_t(game.world_size);
    search->node_x = allocate_table<int16_t>(level_cells);
    search->node_y = allocate_table<int16_t>(level_cells);
    search->node_parent = allocate_table<int32_t>(level_cells);
    search->node_state = allocate_table<uint8_t>(level_cells);
    search->node_cost = allocate_table<float>(level_cells);
    search->window_mark = allocate_table<uint8_t>(level_cells);
    allocate_queue_tables(search, level_cells);
    fill_neighbour_table(search);
    search->ready = 0;
}

void release_search_tables(path_search* search)
{
    release_table(search->node_x);
    release_table(search->node_y);
    release_table(search->node_parent);
    release_table(search->node_state);
    release_table(search->node_cost);
    release_table(search->window_mark);
    release_queue_tables(search);
}

void set_up_inputs(path_search& s, int32_t& start_x, int32_t& start_y, int32_t& goal_x, int32_t& goal_y,
                   int32_t level, int32_t side)
{
    const int32_t last = game.world_size - 1;
    s.search_level = level;
    start_x = clamped(start_x, 0, last);
    start_y = clamped(start_y, 0, last);
    goal_x = clamped(goal_x, 0, last);
    goal_y = clamped(goal_y, 0, last);
    s.window_side = usable_side(side);
}

}  // namespace

void create_path_search(path_search* search)
{
    const size_t units = size_t(game.unit_capacity);
    allocate_search_tables(search);
    search->path_x = allocate_table<int32_t>(units * path_store_capacity);
    search->path_y = allocate_table<int32_t>(units * path_store_capacity);
    search->path_length = allocate_table<int32_t>(units);
    search->path_step = allocate_table<int32_t>(units);
    search->path_goal_x = allocate_table<int32_t>(units);
    search->path_goal_y = allocate_table<int32_t>(units);
    for (size_t u = 0; u < units; ++u) search->path_step[u] = no_path;
}

void destroy_path_search(path_search* search)
{
    release_search_tables(search);
    release_table(search->path_x);
    release_table(search->path_y);
    release_table(search->path_length);
    release_table(search->path_step);
    release_table(search->path_goal_x);
    release_table(search->path_goal_y);
}

void create_search_helper(path_search* helper, const path_search* shared)
{
    allocate_search_tables(helper);
    helper->path_x = shared->path_x;
    helper->path_y = shared->path_y;
    helper->path_length = shared->path_length;
    helper->path_step = shared->path_step;
    helper->path_goal_x = shared->path_goal_x;
    helper->path_goal_y = shared->path_goal_y;
}

void destroy_search_helper(path_search* helper)
{
    release_search_tables(helper);
}

void begin_search_centred_on(path_search& s, int32_t start_x, int32_t start_y, int32_t goal_x, int32_t goal_y,
                             int32_t level, int32_t side)
{
    set_up_inputs(s, start_x, start_y, goal_x, goal_y, level, side);
    s.window_x = std::min(std::max(start_x - s.window_side / 2, 0), game.world_size - s.window_side);
    s.window_y = std::min(std::max(start_y - s.window_side / 2, 0), game.world_size - s.window_side);
    prepare_window(s, start_x, start_y, goal_x, goal_y);
}

void begin_search_in_window_on(path_search& s, int32_t window_x, int32_t window_y, int32_t start_x,
                               int32_t start_y, int32_t goal_x, int32_t goal_y, int32_t level, int32_t side)
{
    set_up_inputs(s, start_x, start_y, goal_x, goal_y, level, side);
    const int32_t far_limit = game.world_size - 1 - s.window_side;
    s.window_x = std::max(std::min(std::max(window_x, 0), far_limit), 0);
    s.window_y = std::max(std::min(std::max(window_y, 0), far_limit), 0);
    prepare_window(s, start_x, start_y, goal_x, goal_y);
}

void run_search_on(path_search& s, int32_t limit)
{
    if (s.ready == 0) return;
    // Unit 1 can walk to levels the stack does not hold: nothing is found there.
    if (!search_level_in_stack(s)) {
        s.found = 0;
        return;
    }
    if (s.start_x == s.goal_x && s.start_y == s.goal_y) {
        s.found = 3;
        return;
    }
    const int32_t cap = s.window_side * s.window_side - 9;
    if (s.last_node + limit >= cap) limit = cap - s.last_node;
    if (s.scan_selection)
        run_by_scan(s, limit);
    else
        run_by_queue(s, limit);
}

void find_first_step(path_search& s)
{
    int32_t n = s.current_node;
    for (int32_t cells = 1; s.node_parent[n] != 0 && cells < path_store_capacity; ++cells)
        n = s.node_parent[n];
    s.first_step_x = s.node_x[n];
    s.first_step_y = s.node_y[n];
}

void extract_path_on(path_search& s, int32_t unit)
{
    if (unit < 0 || unit >= game.unit_capacity) return;
    int32_t* xs = s.path_x + size_t(unit) * path_store_capacity;
    int32_t* ys = s.path_y + size_t(unit) * path_store_capacity;
    int32_t n = s.current_node;
    int32_t length = 0;
    // Bounded by the unit's own store: the search refuses longer paths, and a
    // broken parent chain cannot run past it either.
    for (;;) {
        xs[length] = s.node_x[n];
        ys[length] = s.node_y[n];
        ++length;
        if (s.node_parent[n] == 0 || length == path_store_capacity) break;
        n = s.node_parent[n];
    }
    s.first_step_x = s.node_x[n];
    s.first_step_y = s.node_y[n];
    s.path_length[unit] = length;
    s.path_step[unit] = length - 1;
}

void begin_search_centred(int32_t start_x, int32_t start_y, int32_t goal_x, int32_t goal_y, int32_t level,
                          int32_t side)
{
    begin_search_centred_on(*game.pathfinder, start_x, start_y, goal_x, goal_y, level, side);
}

void begin_search_in_window(int32_t window_x, int32_t window_y, int32_t start_x, int32_t start_y,
                            int32_t goal_x, int32_t goal_y, int32_t level, int32_t side)
{
    begin_search_in_window_on(*game.pathfinder, window_x, window_y, start_x, start_y, goal_x, goal_y, level,
                              side);
}

void run_search(int32_t limit)
{
    run_search_on(*game.pathfinder, limit);
}

void extract_path(int32_t unit)
{
    extract_path_on(*game.pathfinder, unit);
}
