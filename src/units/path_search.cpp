#include "units/path_search.h"

#include <bit>

#include "shell/allocate.h"
#include "shell/game_state.h"

namespace {

// Neighbours in the order a node examines them; odd directions are diagonals.
// The diagonal cost is the float nearest 1.4142 (not the square root of two).
constexpr int32_t neighbour_dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int32_t neighbour_dy[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr float diagonal_cost = std::bit_cast<float>(0x3FB50481u);
constexpr float neighbour_cost[8] = {1.0f, diagonal_cost, 1.0f, diagonal_cost,
                                     1.0f, diagonal_cost, 1.0f, diagonal_cost};

}  // namespace

void fill_neighbour_table(path_search* search)
{
    for (int d = 0; d < 8; ++d) {
        search->dir_dx[d] = neighbour_dx[d];
        search->dir_dy[d] = neighbour_dy[d];
        search->dir_cost[d] = neighbour_cost[d];
    }
}

void create_path_search(path_search* search)
{
    const size_t level_cells = size_t(game.world_size) * size_t(game.world_size);
    const size_t units = size_t(game.unit_capacity);
    search->node_x = allocate_table<int16_t>(level_cells);
    search->node_y = allocate_table<int16_t>(level_cells);
    search->node_parent = allocate_table<int32_t>(level_cells);
    search->node_state = allocate_table<uint8_t>(level_cells);
    search->node_cost = allocate_table<float>(level_cells);
    search->window_mark = allocate_table<uint8_t>(level_cells);
    search->path_x = allocate_table<int32_t>(units * path_store_capacity);
    search->path_y = allocate_table<int32_t>(units * path_store_capacity);
    search->path_length = allocate_table<int32_t>(units);
    search->path_step = allocate_table<int32_t>(units);
    search->path_goal_x = allocate_table<int32_t>(units);
    search->path_goal_y = allocate_table<int32_t>(units);
    for (size_t u = 0; u < units; ++u) search->path_step[u] = no_path;
    fill_neighbour_table(search);
    search->ready = 0;
}

void destroy_path_search(path_search* search)
{
    release_table(search->node_x);
    release_table(search->node_y);
    release_table(search->node_parent);
    release_table(search->node_state);
    release_table(search->node_cost);
    release_table(search->window_mark);
    release_table(search->path_x);
    release_table(search->path_y);
    release_table(search->path_length);
    release_table(search->path_step);
    release_table(search->path_goal_x);
    release_table(search->path_goal_y);
}
