#pragma once
// What both node selections of the path search share: the neighbour table,
// the code sets, and what happens when the goal is selected.
#include <array>
#include <bit>
#include <cstdint>

#include "units/path_search.h"
#include "world/tile_codes.h"

// Neighbours in the order a node examines them; odd directions are diagonals.
// The diagonal cost is the float nearest 1.4142 (not the square root of two).
inline constexpr int32_t neighbour_dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
inline constexpr int32_t neighbour_dy[8] = {1, 1, 0, -1, -1, -1, 0, 1};
inline constexpr float diagonal_cost = std::bit_cast<float>(0x3FB50481u);
inline constexpr float neighbour_cost[8] = {1.0f, diagonal_cost, 1.0f, diagonal_cost,
                                            1.0f, diagonal_cost, 1.0f, diagonal_cost};

inline constexpr std::array<bool, 256> enterable_codes = [] {
    std::array<bool, 256> codes{};
    for (int c = 0; c < 256; ++c) codes[c] = !is_unenterable(uint8_t(c));
    return codes;
}();

inline constexpr std::array<bool, 256> corner_clear_codes = [] {
    std::array<bool, 256> codes{};
    for (int c = 0; c < 256; ++c) codes[c] = is_corner_clear(uint8_t(c));
    return codes;
}();

// Cells from the node back to the first step, counted up to one past what a
// unit's store holds.
inline int32_t path_cells(const path_search& s, int32_t node)
{
    int32_t cells = 1;
    while (s.node_parent[node] != 0 && cells <= path_store_capacity) {
        node = s.node_parent[node];
        ++cells;
    }
    return cells;
}

// The goal was selected: found, unless its path is longer than a unit's store
// holds, which the search refuses rather than cut.
inline void reach_goal(path_search& s)
{
    s.found = path_cells(s, s.current_node) <= path_store_capacity ? 1 : 0;
}

inline bool current_is_goal(const path_search& s)
{
    return s.node_x[s.current_node] == s.goal_x && s.node_y[s.current_node] == s.goal_y;
}
