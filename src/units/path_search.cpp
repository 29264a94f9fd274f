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

constexpr int32_t bucket_count = 32768;
constexpr float buckets_per_cost = 64.0f;
constexpr int32_t bucket_words = bucket_count / 64;
constexpr int32_t summary_words = bucket_words / 64;

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

// Empties the buckets the last search left filled; an empty bucket's head is -1.
void clear_buckets(path_search& s)
{
    for (int32_t v = 0; v < summary_words; ++v) {
        for (uint64_t summary = s.bucket_summary[v]; summary != 0; summary &= summary - 1) {
            const int32_t w = (v << 6) + std::countr_zero(summary);
            for (uint64_t word = s.bucket_bits[w]; word != 0; word &= word - 1)
                s.bucket_head[(w << 6) + std::countr_zero(word)] = -1;
            s.bucket_bits[w] = 0;
        }
        s.bucket_summary[v] = 0;
    }
    s.ready_count = 0;
    s.ready_taken = 0;
    s.open_count = 0;
    s.ready_bucket = bucket_of(s.node_cost[0]);
}

void mark_bucket_empty(path_search& s, int32_t b)
{
    uint64_t& word = s.bucket_bits[b >> 6];
    word &= ~(uint64_t(1) << (b & 63));
    if (word == 0) s.bucket_summary[b >> 12] &= ~(uint64_t(1) << ((b >> 6) & 63));
}

// The first filled word of bucket bits at or after word w, going round the
// ring, found through the summary (one bit per word that has a bit set).
int32_t next_filled_word(const path_search& s, int32_t w)
{
    int32_t v = w >> 6;
    uint64_t summary = s.bucket_summary[v] & (~uint64_t(0) << (w & 63));
    for (int32_t seen = 0; summary == 0 && seen < summary_words; ++seen) {
        v = (v + 1) & (summary_words - 1);
        summary = s.bucket_summary[v];
    }
    return (v << 6) + std::countr_zero(summary);
}

// The first bucket after the last one taken that holds a node. The open
// costs span less than the ring, so the first one found going round is the
// cheapest.
int32_t next_filled_bucket(const path_search& s)
{
    const int32_t from = (s.ready_bucket + 1) & (bucket_count - 1);
    const uint64_t rest = s.bucket_bits[from >> 6] & (~uint64_t(0) << (from & 63));
    if (rest != 0) return (from & ~63) + std::countr_zero(rest);
    const int32_t w = next_filled_word(s, ((from >> 6) + 1) & (bucket_words - 1));
    return (w << 6) + std::countr_zero(s.bucket_bits[w]);
}

// Moves the next bucket into ready_keys, cheapest first. A bucket lists its
// nodes newest first, which is already the order among equal costs, so most
// buckets, holding one cost only, need no sorting.
void take_next_bucket(path_search& s)
{
    const int32_t b = next_filled_bucket(s);
    mark_bucket_empty(s, b);
    s.ready_bucket = b;
    uint64_t* keys = s.ready_keys;
    int32_t count = 0;
    bool in_order = true;
    for (int32_t n = s.bucket_head[b]; n >= 0; n = s.bucket_next[n]) {
        keys[count] = queue_key(s.node_cost[n], n);
        in_order &= count == 0 || keys[count - 1] < keys[count];
        ++count;
    }
    s.bucket_head[b] = -1;
    if (!in_order) std::sort(keys, keys + count);
    s.ready_count = count;
    s.ready_taken = 0;
}

int32_t pop_open(path_search& s)
{
    if (s.ready_taken == s.ready_count) take_next_bucket(s);
    s.open_count -= 1;
    return queue_node(s.ready_keys[s.ready_taken++]);
}

// The production expansion reads one byte per window cell, made from the
// level's codes and the window's marks when a run begins.
constexpr uint8_t cell_free = 1;          // may still receive a node
constexpr uint8_t cell_corner_clear = 2;  // a diagonal step may pass beside it

// Eight cells at a time: each byte of a 64-bit word is one cell, and the
// tests below work on all eight bytes at once without carries between them.
constexpr uint64_t every_byte(uint8_t value)
{
    return 0x0101010101010101ull * value;
}
constexpr uint64_t low_seven = every_byte(0x7f), high_bit = every_byte(0x80);

// 0x80 in each byte that is zero.
constexpr uint64_t zero_bytes(uint64_t v)
{
    return ~(((v & low_seven) + low_seven) | v) & high_bit;
}

constexpr uint64_t bytes_equal(uint64_t v, uint8_t value)
{
    return zero_bytes(v ^ every_byte(value));
}

// 0x80 in each byte above 5 (the codes up to 5 are never entered).
constexpr uint64_t bytes_above_five(uint64_t v)
{
    return (((v & low_seven) + every_byte(0x80 - 6)) | v) & high_bit;
}

constexpr uint64_t window_cells_of(uint64_t codes, uint64_t marks)
{
    const uint64_t free = bytes_above_five(codes) & ~bytes_equal(codes, tile::wall) & zero_bytes(marks);
    const uint64_t corner_clear = bytes_equal(codes, tile::plain) | bytes_equal(codes, tile::forest) |
                                  bytes_equal(codes, tile::hills) | bytes_equal(codes, tile::floor);
    static_assert(cell_free == 1 && cell_corner_clear == 2);
    return (free >> 7) | (corner_clear >> 6);
}

constexpr uint8_t window_cell_of(uint8_t code, uint8_t mark)
{
    return uint8_t((enterable_codes[code] && mark == 0 ? cell_free : 0) |
                   (corner_clear_codes[code] ? cell_corner_clear : 0));
}

// The eight-at-a-time form agrees with the one-cell form for every code and mark.
static_assert([] {
    for (int c = 0; c < 256; ++c)
        for (const uint8_t m : {0, 1, 9})
            if (window_cells_of(every_byte(uint8_t(c)), every_byte(m)) != every_byte(window_cell_of(uint8_t(c), m)))
                return false;
    return true;
}());

void gather_row(const uint8_t* codes, const uint8_t* marks, uint8_t* cells, int32_t side)
{
    int32_t i = 0;
    for (; i + 8 <= side; i += 8) {
        uint64_t code_word, mark_word;
        std::memcpy(&code_word, codes + i, 8);
        std::memcpy(&mark_word, marks + i, 8);
        const uint64_t cell_word = window_cells_of(code_word, mark_word);
        std::memcpy(cells + i, &cell_word, 8);
    }
    for (; i < side; ++i) cells[i] = window_cell_of(codes[i], marks[i]);
}

void gather_window_cells(path_search& s)
{
    const int32_t side = s.window_side;
    for (int32_t j = 0; j < side; ++j)
        gather_row(game.world_planes + cell_index(s.window_x, s.window_y + j, s.search_level),
                   s.window_mark + j * side, s.window_cells + j * side, side);
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
    uint64_t* bucket_summary;
    const float* tile_cost;
    int64_t row;           // cells per row of the level
    int32_t side;          // cells per row of the window
    const uint8_t* code;   // the expanded node's cell in the level
    uint8_t* mark;         // its mark
    uint8_t* cell;         // and its window cell
    int32_t parent, cx, cy;
    float cost;
    int32_t last_node;
    int32_t open_count;

    // Neighbour d, known when compiled, becomes the next node if it is free
    // and, for a diagonal, both cells beside the step are corner-clear.
    template <int d> void consider(bool side_cells_clear)
    {
        constexpr int32_t dx = neighbour_dx[d], dy = neighbour_dy[d];
        uint8_t& neighbour = cell[dy * side + dx];
        if (!(side_cells_clear & (neighbour & cell_free))) return;
        neighbour &= uint8_t(~cell_free);
        mark[dy * side + dx] = 1;
        const int32_t n = ++last_node;
        const float new_cost = (neighbour_cost[d] + cost) + tile_cost[code[dy * row + dx]];
        node_x[n] = int16_t(cx + dx);
        node_y[n] = int16_t(cy + dy);
        node_parent[n] = parent;
        node_state[n] = 0;
        node_cost[n] = new_cost;
        const int32_t b = bucket_of(new_cost);
        bucket_next[n] = bucket_head[b];
        bucket_head[b] = n;
        bucket_bits[b >> 6] |= uint64_t(1) << (b & 63);
        bucket_summary[b >> 12] |= uint64_t(1) << ((b >> 6) & 63);
        open_count += 1;
    }
};

// Examines the neighbours of the current node in direction order.
void expand_into_queue(path_search& s)
{
    const int32_t parent = s.current_node;
    const int32_t cx = s.node_x[parent];
    const int32_t cy = s.node_y[parent];
    const int32_t w = (cy - s.window_y) * s.window_side + (cx - s.window_x);
    expansion e{s.node_x,
                s.node_y,
                s.node_parent,
                s.node_state,
                s.node_cost,
                s.bucket_next,
                s.bucket_head,
                s.bucket_bits,
                s.bucket_summary,
                game.tile_cost,
                game.world_size,
                s.window_side,
                game.world_planes + cell_index(cx, cy, s.search_level),
                s.window_mark + w,
                s.window_cells + w,
                parent,
                cx,
                cy,
                s.node_cost[parent],
                s.last_node,
                s.open_count};
    const bool east = e.cell[1] & cell_corner_clear, west = e.cell[-1] & cell_corner_clear;
    const bool north = e.cell[e.side] & cell_corner_clear, south = e.cell[-e.side] & cell_corner_clear;
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
    // Expanded: the node's cell can never receive a node again.
    e.cell[0] &= uint8_t(~cell_free);
    e.mark[0] = 9;
    s.node_state[parent] = 9;
}

void run_by_queue(path_search& s, int32_t limit)
{
    gather_window_cells(s);
    for (int32_t i = 0; i < limit; ++i) {
        expand_into_queue(s);
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
    search->bucket_next = allocate_table<int32_t>(level_cells);
    search->bucket_head = allocate_table<int32_t>(bucket_count);
    std::fill(search->bucket_head, search->bucket_head + bucket_count, -1);
    search->bucket_bits = allocate_table<uint64_t>(bucket_words);
    search->bucket_summary = allocate_table<uint64_t>(summary_words);
    search->ready_keys = allocate_table<uint64_t>(level_cells);
    search->window_cells = allocate_table<uint8_t>(level_cells);
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
    release_table(search->bucket_next);
    release_table(search->bucket_head);
    release_table(search->bucket_bits);
    release_table(search->bucket_summary);
    release_table(search->ready_keys);
    release_table(search->window_cells);
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

void begin_search_in_window_on(path_search& s, int32_t window_x, int32_t window_y, int32_t start_x, int32_t start_y,
                               int32_t goal_x, int32_t goal_y, int32_t level, int32_t side)
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
    for (int32_t cells = 1; s.node_parent[n] != 0 && cells < path_store_capacity; ++cells) n = s.node_parent[n];
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

void begin_search_in_window(int32_t window_x, int32_t window_y, int32_t start_x, int32_t start_y, int32_t goal_x,
                            int32_t goal_y, int32_t level, int32_t side)
{
    begin_search_in_window_on(*game.pathfinder, window_x, window_y, start_x, start_y, goal_x, goal_y, level, side);
}

void run_search(int32_t limit)
{
    run_search_on(*game.pathfinder, limit);
}

void extract_path(int32_t unit)
{
    extract_path_on(*game.pathfinder, unit);
}
