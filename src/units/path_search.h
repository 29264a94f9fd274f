#pragma once
#include <cstdint>

// A unit with this path_step has no stored path and must search again.
inline constexpr int32_t no_path = -9;
// Cells each unit can keep in its stored path.
inline constexpr int32_t path_store_capacity = 1000;

// The one grid-search context: the nodes and window of the search in progress,
// and the stored path of every unit.
struct path_search {
    // Nodes, numbered in creation order; node 0 is the start.
    int16_t* node_x;       // column of the node's cell
    int16_t* node_y;       // row of the node's cell
    int32_t* node_parent;  // node this one was reached from
    uint8_t* node_state;   // 0 open, 9 expanded
    float* node_cost;      // accumulated cost of reaching the node

    // Window: cell (i, j) is world cell (window_x + i, window_y + j) of search_level.
    int32_t window_x;
    int32_t window_y;
    int32_t window_side;
    int32_t search_level;
    uint8_t* window_mark;  // 0 free, 1 has a node or is border, 9 expanded
    int32_t start_x;
    int32_t start_y;
    int32_t goal_x;
    int32_t goal_y;

    // Progress and outcome.
    int32_t current_node;  // node being expanded; the goal's node once found
    int32_t last_node;     // most recently created node
    int32_t first_open;    // no node below this number is open
    uint8_t found;         // 1 reached, 3 start was the goal, 0 not reached
    uint8_t ready;         // 1 once a search has been set up
    int32_t first_step_x;  // first step of the last extracted path
    int32_t first_step_y;

    // Neighbour table, in the order neighbours are examined.
    int32_t dir_dx[8];
    int32_t dir_dy[8];
    float dir_cost[8];

    // Stored paths, indexed by unit: entry 0 is the goal, entry length - 1 the first step.
    int32_t* path_x;  // unit_capacity * path_store_capacity entries
    int32_t* path_y;
    int32_t* path_length;  // stored cells per unit
    int32_t* path_step;    // next entry to step to, counting down; no_path when none
    int32_t* path_goal_x;  // goal the unit asked for when its path was found
    int32_t* path_goal_y;
};

// Allocates every array of the context (node arrays and marks for a whole level,
// the path store for every unit) and marks every unit as having no path.
void create_path_search(path_search* search);
// Releases every array of the context.
void destroy_path_search(path_search* search);
// Writes the eight neighbour directions with their step costs.
void fill_neighbour_table(path_search* search);
