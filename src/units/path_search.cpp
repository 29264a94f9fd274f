#include "units/path_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <functional>

#include "shell/allocate.h"
#include "shell/game_state.h"
#include "world/tile_codes.h"

namespace {

// Neighbours in the order a node examines them; odd directions are diagonals.
// The diagonal cost is the float nearest 1.4142 (not the square root of two).
constexpr int32_t neighbour_dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int32_t neighbour_dy[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr float diagonal_cost = std::bit_cast<float>(0x3FB50481u);
constexpr float neighbour_cost[8] = {1.0f, diagonal_cost, 1.0f, diagonal_cost,
                                     1.0f, diagonal_cost, 1.0f, diagonal_cost};

// The largest cost the scan selection starts from: no reachable cost comes near
// it (a 64 x 64 window's dearest path costs about 1.5 million).
float selection_ceiling()
{
    return float(2 * game.world_size * game.world_size);
}

constexpr std::array<bool, 256> enterable_codes = [] {
    std::array<bool, 256> codes{};
    for (int c = 0; c < 256; ++c) codes[c] = !is_unenterable(uint8_t(c));
    return codes;
}();

constexpr std::array<bool, 256> corner_clear_codes = [] {
    std::array<bool, 256> codes{};
    for (int c = 0; c < 256; ++c) codes[c] = is_corner_clear(uint8_t(c));
    return codes;
}();

path_search& search_context()
{
    return *game.pathfinder;
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

void clear_buckets(path_search& s);

// Steps 2 and 4 to 8 of a set-up, shared by both windows: the window's first
// cell is already chosen.
void prepare_window(path_search& s, int32_t start_x, int32_t start_y, int32_t goal_x, int32_t goal_y)
{
    const int32_t side = s.window_side;
    s.start_x = clamped(start_x, s.window_x + 1, s.window_x + side - 2);
    s.start_y = clamped(start_y, s.window_y + 1, s.window_y + side - 2);
    s.goal_x = clamped(goal_x, s.window_x + 1, s.window_x + side - 2);
    s.goal_y = clamped(goal_y, s.window_y + 1, s.window_y + side - 2);

    const size_t cells = size_t(side) * size_t(side);
    std::memset(s.node_x, 0, cells * sizeof *s.node_x);
    std::memset(s.node_y, 0, cells * sizeof *s.node_y);
    std::memset(s.node_parent, 0, cells * sizeof *s.node_parent);
    std::memset(s.node_state, 0, cells * sizeof *s.node_state);
    std::memset(s.node_cost, 0, cells * sizeof *s.node_cost);
    std::memset(s.window_mark, 0, cells);
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

// Cells from the node back to the first step, counted up to one past what a
// unit's store holds.
int32_t path_cells(const path_search& s, int32_t node)
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
void reach_goal(path_search& s)
{
    s.found = path_cells(s, s.current_node) <= path_store_capacity ? 1 : 0;
}

bool current_is_goal(const path_search& s)
{
    return s.node_x[s.current_node] == s.goal_x && s.node_y[s.current_node] == s.goal_y;
}

void close_current(path_search& s)
{
    const int32_t n = s.current_node;
    s.node_state[n] = 9;
    mark_of(s, s.node_x[n], s.node_y[n]) = 9;
}

// ---- The reference: the search exactly as first written, selecting by a
// scan over every node at every expansion.

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

// ---- The production search: the same expansions, reading cells through
// precomputed offsets, and selecting from a bucket ring. Buckets hold nodes of
// nearby costs; the bucket due next is sorted as a whole, and its nodes are
// then taken cheapest first, the newest first among equal costs.

constexpr int32_t bucket_count = 4096;
constexpr float buckets_per_cost = 8.0f;
constexpr int32_t bucket_words = bucket_count / 64;

// Every step costs its direction (1.0 or more) plus the entered cell's cost,
// which must be neither negative nor as much as the ring spans.
constexpr bool step_costs_fit_ring()
{
    for (const tile_code_info& info : tile_codes)
        if (!is_unenterable(info.code) && !(info.cost >= 0.0f && info.cost + 2.0f < bucket_count / buckets_per_cost))
            return false;
    return true;
}
static_assert(step_costs_fit_ring());

int32_t bucket_of(float cost)
{
    return int32_t(cost * buckets_per_cost) & (bucket_count - 1);
}

// Keys order by cost, then by the newest node: positive floats compare like
// their bit patterns, and the complement of the node number puts the highest
// number first among equal costs.
uint64_t queue_key(float cost, int32_t node)
{
    return (uint64_t(std::bit_cast<uint32_t>(cost)) << 32) | uint32_t(~uint32_t(node));
}

int32_t queue_node(uint64_t key)
{
    return int32_t(~uint32_t(key));
}

void clear_buckets(path_search& s)
{
    std::memset(s.bucket_bits, 0, bucket_words * sizeof *s.bucket_bits);
    s.ready_count = 0;
    s.open_count = 0;
    s.ready_bucket = bucket_of(s.node_cost[0]);
}

// The first bucket after the last one taken that holds a node. The open
// costs span less than the ring, so the first one found going round is the
// cheapest.
int32_t next_filled_bucket(const path_search& s)
{
    const int32_t from = (s.ready_bucket + 1) & (bucket_count - 1);
    int32_t w = from >> 6;
    uint64_t word = s.bucket_bits[w] & (~uint64_t(0) << (from & 63));
    for (int32_t seen = 0; word == 0 && seen < bucket_words; ++seen) {
        w = (w + 1) & (bucket_words - 1);
        word = s.bucket_bits[w];
    }
    return (w << 6) + std::countr_zero(word);
}

// Moves the next bucket into ready_keys, sorted with the next node last.
void take_next_bucket(path_search& s)
{
    const int32_t b = next_filled_bucket(s);
    s.bucket_bits[b >> 6] &= ~(uint64_t(1) << (b & 63));
    s.ready_bucket = b;
    int32_t count = 0;
    for (int32_t n = s.bucket_head[b]; n >= 0; n = s.bucket_next[n])
        s.ready_keys[count++] = queue_key(s.node_cost[n], n);
    if (count <= 16) {
        for (int32_t i = 1; i < count; ++i) {
            const uint64_t key = s.ready_keys[i];
            int32_t j = i;
            for (; j > 0 && s.ready_keys[j - 1] < key; --j) s.ready_keys[j] = s.ready_keys[j - 1];
            s.ready_keys[j] = key;
        }
    } else {
        std::sort(s.ready_keys, s.ready_keys + count, std::greater<>());
    }
    s.ready_count = count;
}

int32_t pop_open(path_search& s)
{
    if (s.ready_count == 0) take_next_bucket(s);
    s.open_count -= 1;
    return queue_node(s.ready_keys[--s.ready_count]);
}

// What every expansion of one search reads: the searched level, the width of
// its rows, and the window's marks.
struct expansion_view {
    const uint8_t* level;
    int64_t row;
    int32_t mark_row;
};

expansion_view view_of(const path_search& s)
{
    return {game.world_planes + cell_index(0, 0, s.search_level), game.world_size, s.window_side};
}

// One expansion, with the search's counters and table pointers copied into
// locals: the byte stores into marks and states may alias anything as far as
// the compiler knows, and would otherwise make it reload every field of the
// context after each of them.
struct expansion {
    int16_t* node_x;
    int16_t* node_y;
    int32_t* node_parent;
    uint8_t* node_state;
    float* node_cost;
    int32_t* bucket_next;
    int32_t* bucket_head;
    uint64_t* bucket_bits;
    const float* tile_cost;
    int64_t row;          // cells per row of the level
    int32_t mark_row;     // marks per row of the window
    const uint8_t* cell;  // the expanded node's cell in the level
    uint8_t* mark;        // and its mark
    int32_t parent, cx, cy;
    float cost;
    int32_t last_node;
    int32_t open_count;

    // Neighbour d, known when compiled: written into the next free node, and
    // kept (counted, marked, queued) only if it may be entered. Deciding the
    // writes by arithmetic rather than by jumps keeps the processor's guesses
    // out of the common case.
    template <int d> void consider(bool side_cells_clear)
    {
        constexpr int32_t dx = neighbour_dx[d], dy = neighbour_dy[d];
        const uint8_t code = cell[dy * row + dx];
        uint8_t& neighbour_mark = mark[dy * mark_row + dx];
        const bool take = side_cells_clear & (neighbour_mark == 0) & enterable_codes[code];
        if (!take) return;
        neighbour_mark = 1;
        const int32_t n = last_node + 1;
        const float new_cost = (neighbour_cost[d] + cost) + tile_cost[code];
        node_x[n] = int16_t(cx + dx);
        node_y[n] = int16_t(cy + dy);
        node_parent[n] = parent;
        node_state[n] = 0;
        node_cost[n] = new_cost;
        const int32_t b = bucket_of(new_cost);
        uint64_t& word = bucket_bits[b >> 6];
        const uint64_t bit = uint64_t(1) << (b & 63);
        bucket_next[n] = (word & bit) ? bucket_head[b] : -1;
        bucket_head[b] = n;
        word |= bit;
        open_count += 1;
        last_node = n;
    }
};

// Examines the neighbours of the current node in direction order; a diagonal
// only when both cells beside it are corner-clear.
void expand_into_queue(path_search& s, const expansion_view& view)
{
    const int32_t parent = s.current_node;
    const int32_t cx = s.node_x[parent];
    const int32_t cy = s.node_y[parent];
    expansion e{s.node_x,
                s.node_y,
                s.node_parent,
                s.node_state,
                s.node_cost,
                s.bucket_next,
                s.bucket_head,
                s.bucket_bits,
                game.tile_cost,
                view.row,
                view.mark_row,
                view.level + cy * view.row + cx,
                s.window_mark + (cy - s.window_y) * view.mark_row + (cx - s.window_x),
                parent,
                cx,
                cy,
                s.node_cost[parent],
                s.last_node,
                s.open_count};
    const bool east = corner_clear_codes[e.cell[1]], west = corner_clear_codes[e.cell[-1]];
    const bool north = corner_clear_codes[e.cell[view.row]], south = corner_clear_codes[e.cell[-view.row]];
    e.consider<0>(true);
    e.consider<1>(east & north);
    e.consider<2>(true);
    e.consider<3>(east & south);
    e.consider<4>(true);
    e.consider<5>(west & south);
    e.consider<6>(true);
    e.consider<7>(west & north);
    s.last_node = e.last_node;
    s.open_count = e.open_count;
}

void run_by_queue(path_search& s, int32_t limit)
{
    const expansion_view view = view_of(s);
    for (int32_t i = 0; i < limit; ++i) {
        expand_into_queue(s, view);
        close_current(s);
        // With nothing open the scan would settle on the last node, already
        // expanded, and every further expansion would create nothing.
        if (s.open_count == 0) {
            s.current_node = s.last_node;
            return;
        }
        s.current_node = pop_open(s);
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
    search->bucket_next = allocate_table<int32_t>(level_cells);
    search->bucket_head = allocate_table<int32_t>(bucket_count);
    search->bucket_bits = allocate_table<uint64_t>(bucket_words);
    search->ready_keys = allocate_table<uint64_t>(level_cells);
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
    release_table(search->bucket_next);
    release_table(search->bucket_head);
    release_table(search->bucket_bits);
    release_table(search->ready_keys);
}

void begin_search_centred(int32_t start_x, int32_t start_y, int32_t goal_x, int32_t goal_y, int32_t level,
                          int32_t side)
{
    path_search& s = search_context();
    const int32_t last = game.world_size - 1;
    s.search_level = level;
    start_x = clamped(start_x, 0, last);
    start_y = clamped(start_y, 0, last);
    goal_x = clamped(goal_x, 0, last);
    goal_y = clamped(goal_y, 0, last);
    s.window_side = usable_side(side);
    s.window_x = std::min(std::max(start_x - s.window_side / 2, 0), game.world_size - s.window_side);
    s.window_y = std::min(std::max(start_y - s.window_side / 2, 0), game.world_size - s.window_side);
    prepare_window(s, start_x, start_y, goal_x, goal_y);
}

void begin_search_in_window(int32_t window_x, int32_t window_y, int32_t start_x, int32_t start_y, int32_t goal_x,
                            int32_t goal_y, int32_t level, int32_t side)
{
    path_search& s = search_context();
    const int32_t last = game.world_size - 1;
    s.search_level = level;
    start_x = clamped(start_x, 0, last);
    start_y = clamped(start_y, 0, last);
    goal_x = clamped(goal_x, 0, last);
    goal_y = clamped(goal_y, 0, last);
    s.window_side = usable_side(side);
    const int32_t far_limit = game.world_size - 1 - s.window_side;
    s.window_x = std::max(std::min(std::max(window_x, 0), far_limit), 0);
    s.window_y = std::max(std::min(std::max(window_y, 0), far_limit), 0);
    prepare_window(s, start_x, start_y, goal_x, goal_y);
}

void run_search(int32_t limit)
{
    path_search& s = search_context();
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

void extract_path(int32_t unit)
{
    path_search& s = search_context();
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
