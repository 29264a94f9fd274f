// The node selection the program searches with. Open nodes wait in a ring of
// buckets by cost; the bucket due next is taken as a whole and its nodes are
// then selected cheapest first, the newest first among equal costs: exactly
// the node the plain scan over every node would pick. The expansions read the
// window as one byte per cell, made from the level and the marks when a run
// begins.
#include "units/search_queue.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "shell/allocate.h"
#include "shell/game_state.h"
#include "units/search_steps.h"

namespace {

constexpr int32_t bucket_count = 32768;
constexpr float buckets_per_cost = 64.0f;
constexpr int32_t bucket_words = bucket_count / 64;
constexpr int32_t summary_words = bucket_words / 64;

// Every step costs its direction (1.0 or more) plus the entered cell's cost,
// which must be neither negative nor as much as the ring spans.
constexpr bool step_costs_fit_ring()
{
    for (const tile_code_info& info : tile_codes)
        if (!is_unenterable(info.code) &&
            !(info.cost >= 0.0f && info.cost + 2.0f < bucket_count / buckets_per_cost))
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

// Takes the next node off the ring; the caller counts the open nodes.
int32_t next_open_node(path_search& s)
{
    if (s.ready_taken == s.ready_count) take_next_bucket(s);
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
            if (window_cells_of(every_byte(uint8_t(c)), every_byte(m)) !=
                every_byte(window_cell_of(uint8_t(c), m)))
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

// Which neighbours of a cell become nodes, one bit per direction: the free
// ones, and a diagonal only past two corner-clear cells. Looked up from the
// free bits of the eight neighbours and the corner bits of the four beside
// the cell, packed as three row triples (the row above: directions 7, 0, 1;
// the cell's row: 6, 2; the row below: 5, 4, 3) and the corners north, east,
// south, west.
constexpr std::array<uint8_t, 4096> take_table = [] {
    std::array<uint8_t, 4096> table{};
    for (uint32_t index = 0; index < 4096; ++index) {
        const auto bit = [&](int k) { return (index >> k) & 1u; };
        const uint32_t free_in_direction[8] = {bit(1), bit(2), bit(4), bit(8),
                                               bit(7), bit(6), bit(3), bit(0)};
        const uint32_t north = bit(9), east = bit(10), south = bit(11), west = bit(5);
        const uint32_t allowed[8] = {1, east & north, 1, east & south, 1, west & south, 1, west & north};
        uint32_t take = 0;
        for (int d = 0; d < 8; ++d) take |= (free_in_direction[d] & allowed[d]) << d;
        table[index] = uint8_t(take);
    }
    return table;
}();

// Three neighbouring cells of one row as the low bytes of a word, read as one
// load of four (the window's cells have room for the fourth past the end).
uint32_t row_triple(const uint8_t* first)
{
    uint32_t word;
    std::memcpy(&word, first, 4);
    if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap32(word);
    return word & 0xffffffu;
}

// The free bits of bytes 0, 1 and 2 of a triple, side by side: the three
// shifted copies the multiplication makes never overlap.
uint32_t free_bits_of(uint32_t triple)
{
    return ((triple & 0x010101u) * 0x4081u >> 14) & 7u;
}

uint32_t neighbours_to_take(const uint8_t* cell, int32_t side)
{
    const uint32_t above = row_triple(cell + side - 1), beside = row_triple(cell - 1),
                   below = row_triple(cell - side - 1);
    const uint32_t index = free_bits_of(above) | (beside & cell_free) << 3 | (beside >> 16 & cell_free) << 4 |
                           (beside >> 1 & 1u) << 5 | free_bits_of(below) << 6 | (above >> 9 & 1u) << 9 |
                           (beside >> 17 & 1u) << 10 | (below >> 9 & 1u) << 11;
    return take_table[index];
}

}  // namespace

void allocate_queue_tables(path_search* search, size_t level_cells)
{
    search->bucket_next = allocate_table<int32_t>(level_cells);
    search->bucket_head = allocate_table<int32_t>(bucket_count);
    std::fill(search->bucket_head, search->bucket_head + bucket_count, -1);
    search->bucket_bits = allocate_table<uint64_t>(bucket_words);
    search->bucket_summary = allocate_table<uint64_t>(summary_words);
    search->ready_keys = allocate_table<uint64_t>(level_cells);
    search->window_cells = allocate_table<uint8_t>(level_cells + 4);
}

void release_queue_tables(path_search* search)
{
    release_table(search->bucket_next);
    release_table(search->bucket_head);
    release_table(search->bucket_bits);
    release_table(search->bucket_summary);
    release_table(search->ready_keys);
    release_table(search->window_cells);
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

void run_by_queue(path_search& s, int32_t limit)
{
    gather_window_cells(s);
    // Everything the loop touches lives in locals: the byte stores into the
    // cells, marks and states may alias anything as far as the compiler
    // knows, and would otherwise make it reload every field of the context.
    int16_t* const node_x = s.node_x;
    int16_t* const node_y = s.node_y;
    int32_t* const node_parent = s.node_parent;
    uint8_t* const node_state = s.node_state;
    float* const node_cost = s.node_cost;
    int32_t* const bucket_next = s.bucket_next;
    int32_t* const bucket_head = s.bucket_head;
    uint64_t* const bucket_bits = s.bucket_bits;
    uint64_t* const bucket_summary = s.bucket_summary;
    uint8_t* const cells = s.window_cells;
    uint8_t* const marks = s.window_mark;
    const float* const tile_cost = game.tile_cost;
    const int32_t side = s.window_side, window_x = s.window_x, window_y = s.window_y;
    const int64_t row = game.world_size;
    const uint8_t* const codes = game.world_planes + cell_index(window_x, window_y, s.search_level);
    const int32_t goal = (s.goal_y - window_y) * side + (s.goal_x - window_x);
    int32_t cell_step[8];
    int64_t code_step[8];
    for (int d = 0; d < 8; ++d) {
        cell_step[d] = neighbour_dy[d] * side + neighbour_dx[d];
        code_step[d] = neighbour_dy[d] * row + neighbour_dx[d];
    }

    int32_t current = s.current_node;
    int32_t last_node = s.last_node;
    int32_t open_count = s.open_count;
    for (int32_t i = 0; i < limit; ++i) {
        const int32_t cx = node_x[current] - window_x, cy = node_y[current] - window_y;
        const int32_t at = cy * side + cx;
        uint8_t* const cell = cells + at;
        const uint8_t* const code = codes + cy * row + cx;
        const float cost = node_cost[current];
        const uint32_t take = neighbours_to_take(cell, side);
        // New nodes in direction order, so that their numbers break ties as
        // the plain search's do.
        for (uint32_t left = take; left != 0; left &= left - 1) {
            const int d = std::countr_zero(left);
            cell[cell_step[d]] &= uint8_t(~cell_free);
            marks[at + cell_step[d]] = 1;
            const int32_t n = ++last_node;
            const float new_cost = (neighbour_cost[d] + cost) + tile_cost[code[code_step[d]]];
            node_x[n] = int16_t(window_x + cx + neighbour_dx[d]);
            node_y[n] = int16_t(window_y + cy + neighbour_dy[d]);
            node_parent[n] = current;
            node_state[n] = 0;
            node_cost[n] = new_cost;
            const int32_t b = bucket_of(new_cost);
            bucket_next[n] = bucket_head[b];
            bucket_head[b] = n;
            bucket_bits[b >> 6] |= uint64_t(1) << (b & 63);
            bucket_summary[b >> 12] |= uint64_t(1) << ((b >> 6) & 63);
            open_count += 1;
        }
        // Expanded: the node's cell can never receive a node again.
        cell[0] &= uint8_t(~cell_free);
        marks[at] = 9;
        node_state[current] = 9;
        // With nothing open the scan would settle on the last node, already
        // expanded, and every further expansion would create nothing.
        if (open_count == 0) {
            current = last_node;
            break;
        }
        open_count -= 1;
        current = next_open_node(s);
        if ((node_y[current] - window_y) * side + (node_x[current] - window_x) == goal) {
            s.current_node = current;
            s.last_node = last_node;
            s.open_count = open_count;
            return reach_goal(s);
        }
    }
    s.current_node = current;
    s.last_node = last_node;
    s.open_count = open_count;
}
