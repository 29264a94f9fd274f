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
    int32_t first_open;    // no node below this number is open (kept by the scan selection)
    uint8_t found;         // 1 reached (and the path fits a unit's store), 3 start was the goal, 0 not
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

    // Open nodes for the selection, by cost: a ring of buckets each 1/64 of a
    // cost unit wide, linked through the nodes. Every step costs at least 1.0
    // and less than the ring spans, so a new node never lands in the bucket
    // being expanded and the ring never wraps onto itself.
    int32_t* bucket_next;      // next node of the same bucket, by node; -1 ends a bucket
    int32_t* bucket_head;      // first node of each bucket, -1 when empty
    uint64_t* bucket_bits;     // one bit per bucket that holds a node
    uint64_t* bucket_summary;  // one bit per word of bucket_bits with a bit set
    uint64_t* ready_keys;      // the bucket being expanded, cheapest first
    int32_t ready_count;       // entries in ready_keys
    int32_t ready_taken;       // entries of ready_keys already selected
    int32_t open_count;        // open nodes in the buckets and in ready_keys
    int32_t ready_bucket;      // ring index of the bucket ready_keys came from
    uint8_t* window_cells;     // per window cell: may receive a node, corner-clear
    // 1 = select by scanning every node (the plain reference the queue must
    // match, kept for tests and benchmarks); 0 = select from the buckets.
    uint8_t scan_selection;
};

// Allocates every array of the context (node arrays and marks for a whole level,
// the path store for every unit) and marks every unit as having no path.
void create_path_search(path_search* search);
// Releases every array of the context.
void destroy_path_search(path_search* search);
// Writes the eight neighbour directions with their step costs.
void fill_neighbour_table(path_search* search);

// Sets up a search of the pathfinder on one level inside a side x side window
// centred on the start. Start and goal are clamped into the world, then into
// the window's interior.
void begin_search_centred(int32_t start_x, int32_t start_y, int32_t goal_x, int32_t goal_y, int32_t level,
                          int32_t side);
// The same with the window's first cell given (kept one cell further from the
// world's far edges than the centred window).
void begin_search_in_window(int32_t window_x, int32_t window_y, int32_t start_x, int32_t start_y,
                            int32_t goal_x, int32_t goal_y, int32_t level, int32_t side);
// Runs at most limit expansions of the search set up last; the outcome is in
// found and current_node. A search on a level outside the stack finds nothing,
// and so does one whose path would not fit a unit's store.
void run_search(int32_t limit);
// Copies the path ending at current_node into the unit's store (goal first)
// and sets first_step_x, first_step_y. Meaningful after found became 1.
void extract_path(int32_t unit);

// The same operations on a given context. The step pass searches for two
// units at a time, the second in a helper context.
void begin_search_centred_on(path_search& search, int32_t start_x, int32_t start_y, int32_t goal_x,
                             int32_t goal_y, int32_t level, int32_t side);
void begin_search_in_window_on(path_search& search, int32_t window_x, int32_t window_y, int32_t start_x,
                               int32_t start_y, int32_t goal_x, int32_t goal_y, int32_t level, int32_t side);
void run_search_on(path_search& search, int32_t limit);
void extract_path_on(path_search& search, int32_t unit);
// Sets first_step_x, first_step_y for the path ending at current_node
// without storing the path.
void find_first_step(path_search& search);

// A helper context: its own nodes, window and queue, and the stored paths of
// the shared context (each unit's store is written by one search at a time).
void create_search_helper(path_search* helper, const path_search* shared);
void destroy_search_helper(path_search* helper);
