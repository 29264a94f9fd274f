// The default world. Level 0 is a continent in a rim of sea: plains, forests
// of every kind, lakes and rivers, swamps, a dry desert region and mountain
// ranges, with villages joined by roads. Level 1 is a labyrinth of rooms and
// corridors; level 2 is the rock it stands on, holed by a few caverns.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <numeric>
#include <queue>
#include <string_view>
#include <utility>
#include <vector>

#include "make_data.h"
#include "world/tile_codes.h"

namespace {

// The code of a name of the tile table. A name the table lacks reads past
// its end, which stops the compilation.
consteval uint8_t code_named(std::string_view name)
{
    for (const tile_code_info& info : tile_codes)
        if (name == info.name) return info.code;
    return tile_codes[std::size(tile_codes)].code;
}

namespace code {
constexpr uint8_t plain = code_named("plain");
constexpr uint8_t forest = code_named("forest");
constexpr uint8_t forest_fruit = code_named("forest_fruit");
constexpr uint8_t forest_gray = code_named("forest_gray");
constexpr uint8_t water = code_named("water");
constexpr uint8_t water_deep = code_named("water_deep");
constexpr uint8_t swamp = code_named("swamp");
constexpr uint8_t desert = code_named("desert");
constexpr uint8_t hills = code_named("hills");
constexpr uint8_t mountain = code_named("mountain");
constexpr uint8_t mountain_high = code_named("mountain_high");
constexpr uint8_t forest_leaf = code_named("forest_leaf");
constexpr uint8_t road = code_named("road");
constexpr uint8_t forest_b = code_named("forest_b");
constexpr uint8_t forest_c = code_named("forest_c");
constexpr uint8_t floor = code_named("floor");
constexpr uint8_t wall = code_named("wall");
constexpr uint8_t floor_marble = code_named("floor_marble");
constexpr uint8_t door = code_named("door");
constexpr uint8_t stairs_up = code_named("stairs_up");
constexpr uint8_t stairs_down = code_named("stairs_down");
constexpr uint8_t source_complete = code_named("source_complete");
constexpr uint8_t source = code_named("source");
constexpr uint8_t spawn = code_named("spawn");
constexpr uint8_t spawn_complete = code_named("spawn_complete");
constexpr uint8_t trap = code_named("trap");
constexpr uint8_t trap_disabled = code_named("trap_disabled");
constexpr uint8_t fountain = code_named("fountain");
constexpr uint8_t fountain_drank = code_named("fountain_drank");
constexpr uint8_t candelabrum = code_named("candelabrum");
constexpr uint8_t candelabrum_extinct = code_named("candelabrum_extinct");
constexpr uint8_t coffin = code_named("coffin");
constexpr uint8_t coffin_open = code_named("coffin_open");
constexpr uint8_t chest = code_named("chest");
constexpr uint8_t chest_open = code_named("chest_open");
constexpr uint8_t scrolls = code_named("scrolls");
constexpr uint8_t circle = code_named("circle");
constexpr uint8_t circle_aflamed = code_named("circle_aflamed");
constexpr uint8_t circle_golden = code_named("circle_golden");
constexpr uint8_t altar = code_named("altar");
constexpr uint8_t altar_dark = code_named("altar_dark");
constexpr uint8_t altar_jeweled = code_named("altar_jeweled");
constexpr uint8_t torch = code_named("torch");
constexpr uint8_t floor_bones = code_named("floor_bones");
constexpr uint8_t floor_bones_cleaned = code_named("floor_bones_cleaned");
constexpr uint8_t village = code_named("village");
constexpr uint8_t ruin = code_named("ruin");
constexpr uint8_t castle = code_named("castle");
constexpr uint8_t grottus = code_named("grottus");
constexpr uint8_t mine = code_named("mine");
constexpr uint8_t iron_mine = code_named("iron_mine");
constexpr uint8_t forest_leaf_2 = code_named("forest_leaf_2");
constexpr uint8_t well = code_named("well");
constexpr uint8_t dungeon = code_named("dungeon");
constexpr uint8_t lighttower = code_named("lighttower");
constexpr uint8_t rift = code_named("rift");
constexpr uint8_t source_2 = code_named("source_2");
constexpr uint8_t source_red = code_named("source_red");
constexpr uint8_t gear_mechanism = code_named("gear_mechanism");
constexpr uint8_t lever = code_named("lever");
}  // namespace code

// The five village colours follow each other in the code table.
constexpr int village_colours = 5;

constexpr int side = 1024;
constexpr size_t level_cells = size_t(side) * side;

using level = std::vector<uint8_t>;
using field = std::vector<float>;
using mask = std::vector<uint8_t>;

struct point {
    int x, y;
    bool operator==(const point&) const = default;
};

constexpr size_t cell_index(int x, int y)
{
    return size_t(y) * side + size_t(x);
}
constexpr bool on_level(int x, int y)
{
    return x >= 0 && y >= 0 && x < side && y < side;
}
// The outermost cells, which the top-down view never shows.
constexpr bool on_rim(int x, int y)
{
    return x == 0 || y == 0 || x == side - 1 || y == side - 1;
}
constexpr int squared_distance(point a, point b)
{
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

constexpr std::array<point, 4> steps4{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

// ---------------------------------------------------------------- randomness

// A splitmix64 sequence: the same numbers on every platform and library.
struct random_source {
    uint64_t state;
};

uint64_t next_random(random_source& random)
{
    uint64_t z = (random.state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
int random_below(random_source& random, int count)
{
    return int(next_random(random) % uint64_t(count));
}
int random_between(random_source& random, int low, int high)
{
    return low + random_below(random, high - low + 1);
}
bool random_chance(random_source& random, int per_mille)
{
    return random_below(random, 1000) < per_mille;
}
point random_cell(random_source& random, int margin)
{
    return {random_between(random, margin, side - 1 - margin),
            random_between(random, margin, side - 1 - margin)};
}

// ---------------------------------------------------------------- noise fields

float lattice_value(uint32_t seed, int x, int y)
{
    return float(noise_at(seed, x, y) >> 8) * (1.0f / 16777216.0f);
}

// a + (b - a) * t, without the care for edge cases (and its cost) of std::lerp.
float blend(float a, float b, float t)
{
    return a + (b - a) * t;
}

// Value noise in 0..1: lattice values every period cells, blended with a
// smoothstep so that no seams show.
float value_noise(uint32_t seed, int x, int y, int period)
{
    const int cx = x / period, cy = y / period;
    float tx = float(x % period) / float(period), ty = float(y % period) / float(period);
    tx = tx * tx * (3.0f - 2.0f * tx);
    ty = ty * ty * (3.0f - 2.0f * ty);
    const float top = blend(lattice_value(seed, cx, cy), lattice_value(seed, cx + 1, cy), tx);
    const float bottom = blend(lattice_value(seed, cx, cy + 1), lattice_value(seed, cx + 1, cy + 1), tx);
    return blend(top, bottom, ty);
}

// The lattice of an octave is shifted by a seeded amount so that the
// lattices of the octaves do not line up.
uint32_t octave_seed(uint32_t seed, int octave)
{
    return seed * 31u + uint32_t(octave);
}
int octave_shift(uint32_t seed)
{
    return int(noise_at(seed, -1, -1) % 4096u);
}

// Octaves of value noise, each of half the period and half the weight of the
// one before.
float fractal_noise(uint32_t seed, int x, int y, int period, int octaves)
{
    float sum = 0.0f, weight = 1.0f, total = 0.0f;
    for (int octave = 0; octave < octaves && period >= 2; ++octave, period /= 2, weight *= 0.5f) {
        const uint32_t lattice_seed = octave_seed(seed, octave);
        const int shift = octave_shift(lattice_seed);
        sum += weight * value_noise(lattice_seed, x + shift, y + shift, period);
        total += weight;
    }
    return sum / total;
}

// Adds weight times one octave of value noise to a whole level. The values
// are those of value_noise; they are worked out row by row, fetching each
// lattice value once, because a level takes millions of them.
void add_octave(field& values, uint32_t seed, int period, float weight)
{
    const int shift = octave_shift(seed);
    const int first_column = shift / period;
    const int columns = (side - 1 + shift) / period - first_column + 2;
    std::vector<int> column_of(side);
    std::vector<float> blend_of(side);
    for (int x = 0; x < side; ++x) {
        const float t = float((x + shift) % period) / float(period);
        column_of[size_t(x)] = (x + shift) / period - first_column;
        blend_of[size_t(x)] = t * t * (3.0f - 2.0f * t);
    }
    std::vector<float> upper(static_cast<size_t>(columns)), lower(static_cast<size_t>(columns));
    int cached_row = -1;
    for (int y = 0; y < side; ++y) {
        const int row = (y + shift) / period;
        if (row != cached_row) {
            for (int c = 0; c < columns; ++c) {
                upper[size_t(c)] = lattice_value(seed, first_column + c, row);
                lower[size_t(c)] = lattice_value(seed, first_column + c, row + 1);
            }
            cached_row = row;
        }
        float ty = float((y + shift) % period) / float(period);
        ty = ty * ty * (3.0f - 2.0f * ty);
        float* out = &values[cell_index(0, y)];
        for (int x = 0; x < side; ++x) {
            const size_t c = size_t(column_of[size_t(x)]);
            const float tx = blend_of[size_t(x)];
            const float top = blend(upper[c], upper[c + 1], tx);
            const float bottom = blend(lower[c], lower[c + 1], tx);
            out[x] += weight * blend(top, bottom, ty);
        }
    }
}

// Replaces every value by the share of the level below it, so that a field
// cut at t keeps 1 - t of the level above the cut whatever its distribution.
void equalise(field& values)
{
    constexpr int bins = 4096;
    std::vector<uint32_t> counts(bins + 1, 0);
    auto bin_of = [](float v) { return std::clamp(int(v * bins), 0, bins - 1); };
    for (float v : values) ++counts[size_t(bin_of(v)) + 1];
    std::partial_sum(counts.begin(), counts.end(), counts.begin());
    for (float& v : values) v = float(counts[size_t(bin_of(v))]) / float(values.size());
}

// A whole level of fractal_noise, equalised.
field noise_field(uint32_t seed, int period, int octaves)
{
    field values(level_cells, 0.0f);
    float weight = 1.0f, total = 0.0f;
    for (int octave = 0; octave < octaves && period >= 2; ++octave, period /= 2, weight *= 0.5f) {
        add_octave(values, octave_seed(seed, octave), period, weight);
        total += weight;
    }
    for (float& v : values) v /= total;
    equalise(values);
    return values;
}

// The distance from every cell to the nearest cell of the mask, by two
// chamfer sweeps (steps of 1 and 1.41), close enough to the true distance.
field distance_to(const mask& sources)
{
    constexpr float far = 1e6f;
    field distance(level_cells);
    for (size_t i = 0; i < level_cells; ++i) distance[i] = sources[i] ? 0.0f : far;
    constexpr float diagonal = 1.41421356f;
    auto relax = [&distance](size_t i, int x, int y, float step) {
        if (on_level(x, y)) distance[i] = std::min(distance[i], distance[cell_index(x, y)] + step);
    };
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const size_t i = cell_index(x, y);
            relax(i, x - 1, y, 1.0f);
            relax(i, x, y - 1, 1.0f);
            relax(i, x - 1, y - 1, diagonal);
            relax(i, x + 1, y - 1, diagonal);
        }
    for (int y = side - 1; y >= 0; --y)
        for (int x = side - 1; x >= 0; --x) {
            const size_t i = cell_index(x, y);
            relax(i, x + 1, y, 1.0f);
            relax(i, x, y + 1, 1.0f);
            relax(i, x + 1, y + 1, diagonal);
            relax(i, x - 1, y + 1, diagonal);
        }
    return distance;
}

template <typename test> mask cells_where(const level& codes, test is_wanted)
{
    mask marked(level_cells);
    for (size_t i = 0; i < level_cells; ++i) marked[i] = is_wanted(codes[i]) ? 1 : 0;
    return marked;
}

// The cells of the 4-connected region of start whose codes pass the test.
template <typename test>
std::vector<point> region_of(const level& codes, point start, mask& seen, test belongs)
{
    std::vector<point> region{start};
    seen[cell_index(start.x, start.y)] = 1;
    for (size_t next = 0; next < region.size(); ++next)
        for (point step : steps4) {
            const point p{region[next].x + step.x, region[next].y + step.y};
            if (!on_level(p.x, p.y) || seen[cell_index(p.x, p.y)] || !belongs(codes[cell_index(p.x, p.y)]))
                continue;
            seen[cell_index(p.x, p.y)] = 1;
            region.push_back(p);
        }
    return region;
}

bool is_water(uint8_t c)
{
    return c == code::water || c == code::water_deep;
}
bool is_mountain_code(uint8_t c)
{
    return c == code::mountain || c == code::mountain_high;
}
bool is_village(uint8_t c)
{
    return c >= code::village && c < code::village + village_colours;
}
bool is_forest(uint8_t c)
{
    constexpr std::array forests{code::forest,   code::forest_fruit, code::forest_gray,  code::forest_leaf,
                                 code::forest_b, code::forest_c,     code::forest_leaf_2};
    return std::find(forests.begin(), forests.end(), c) != forests.end();
}
bool is_dungeon_floor(uint8_t c)
{
    return c == code::floor || c == code::floor_marble;
}

// ================================================================ level 1: the labyrinth

// The labyrinth is laid out on a grid of sectors: each holds one room or one
// corridor junction, and corridors join neighbouring sectors along a random
// spanning tree with a few extra loops. Some sectors stay solid rock, which
// gives the caverns below room.
constexpr int sector = 16;
constexpr int sectors = side / sector;

struct room {
    int x0, y0, x1, y1;  // inclusive
    int kind;            // index into room_kinds; junctions have none
    bool junction;
};

// Furnishings of a kind of room: how many pieces, each one of the first
// choices codes of the list. A room has room for one piece in its middle.
struct furnishing {
    int pieces;
    int choices;
    std::array<uint8_t, 4> codes;
};
constexpr furnishing bare{0, 0, {}};

struct room_kind {
    int weight;
    bool marble;
    furnishing centre;   // at most one piece, in the middle
    furnishing walls;    // pieces against the walls
    furnishing scatter;  // pieces anywhere in the room
};

// clang-format off
constexpr room_kind room_kinds[] = {
    // halls, lit by a torch now and then
    {38, false, bare, {1, 1, {code::torch}}, bare},
    // crypts
    {8, false, bare, {4, 3, {code::coffin, code::coffin, code::coffin_open}},
        {2, 3, {code::floor_bones, code::floor_bones_cleaned, code::candelabrum_extinct}}},
    // treasuries
    {6, false, bare, {3, 2, {code::chest, code::chest_open}}, {1, 1, {code::torch}}},
    // shrines
    {6, true, {1, 3, {code::altar, code::altar_dark, code::altar_jeweled}},
        {2, 2, {code::candelabrum, code::candelabrum_extinct}}, bare},
    // ritual halls
    {5, true, {1, 3, {code::circle, code::circle_aflamed, code::circle_golden}},
        {2, 1, {code::candelabrum}}, {1, 1, {code::candelabrum_extinct}}},
    // springs
    {6, true, {1, 2, {code::fountain, code::fountain_drank}}, bare,
        {2, 4, {code::source, code::source_complete, code::source_2, code::source_red}}},
    // dens of the creatures that spawn below
    {6, false, {1, 2, {code::spawn, code::spawn_complete}}, bare,
        {3, 2, {code::floor_bones, code::floor_bones_cleaned}}},
    // machine rooms
    {4, false, bare, {3, 3, {code::gear_mechanism, code::gear_mechanism, code::lever}}, bare},
    // libraries
    {5, false, bare, {4, 1, {code::scrolls}}, {1, 1, {code::candelabrum}}},
    // stairs
    {3, false, {1, 2, {code::stairs_up, code::stairs_down}}, {1, 1, {code::torch}}, bare},
    // cave-ins
    {3, false, bare, bare, {5, 1, {code::hills}}},
};
// clang-format on

int random_room_kind(random_source& random)
{
    int total = 0;
    for (const room_kind& kind : room_kinds) total += kind.weight;
    int pick = random_below(random, total);
    for (int k = 0; k < int(std::size(room_kinds)); ++k) {
        if (pick < room_kinds[k].weight) return k;
        pick -= room_kinds[k].weight;
    }
    return 0;
}

// The caverns of the rock below lie where this field is high; the sectors
// over them stay solid so that the labyrinth keeps its ground.
constexpr float cavern_level = 0.8f;

field hollow_field()
{
    return noise_field(211, 128, 5);
}

// Sectors left as solid rock: those whose middle lies over a cavern.
std::vector<uint8_t> rock_sectors(const field& hollow)
{
    std::vector<uint8_t> solid(size_t(sectors) * sectors);
    for (int sy = 0; sy < sectors; ++sy)
        for (int sx = 0; sx < sectors; ++sx)
            solid[size_t(sy) * sectors + sx] =
                hollow[cell_index(sx * sector + sector / 2, sy * sector + sector / 2)] > cavern_level ? 1 : 0;
    return solid;
}

room random_room(random_source& random, int sx, int sy)
{
    const int left = sx * sector, top = sy * sector;
    if (random_chance(random, 300)) {
        const point p{left + random_between(random, 3, sector - 4),
                      top + random_between(random, 3, sector - 4)};
        return {p.x, p.y, p.x, p.y, 0, true};
    }
    const int w = random_between(random, 3, 9), h = random_between(random, 3, 9);
    const int x0 = left + random_between(random, 2, sector - 2 - w);
    const int y0 = top + random_between(random, 2, sector - 2 - h);
    return {x0, y0, x0 + w - 1, y0 + h - 1, random_room_kind(random), false};
}

point random_point_in(random_source& random, const room& r)
{
    return {random_between(random, r.x0, r.x1), random_between(random, r.y0, r.y1)};
}

void carve(level& codes, int x, int y, int width)
{
    for (int dy = 0; dy < width; ++dy)
        for (int dx = 0; dx < width; ++dx) codes[cell_index(x + dx, y + dy)] = code::floor;
}

// A corridor from a to b with two bends: along the main axis to a random
// middle line, across it, and on to b.
void carve_corridor(level& codes, random_source& random, point a, point b, bool horizontal, int width)
{
    auto carve_line = [&](point from, point to) {
        const int dx = (to.x > from.x) - (to.x < from.x), dy = (to.y > from.y) - (to.y < from.y);
        for (point p = from;; p = {p.x + dx, p.y + dy}) {
            carve(codes, p.x, p.y, width);
            if (p == to) break;
        }
    };
    if (horizontal) {
        const int middle = random_between(random, std::min(a.x, b.x), std::max(a.x, b.x));
        carve_line(a, {middle, a.y});
        carve_line({middle, a.y}, {middle, b.y});
        carve_line({middle, b.y}, b);
    } else {
        const int middle = random_between(random, std::min(a.y, b.y), std::max(a.y, b.y));
        carve_line(a, {a.x, middle});
        carve_line({a.x, middle}, {b.x, middle});
        carve_line({b.x, middle}, b);
    }
}

int find_root(std::vector<int>& parent, int i)
{
    while (parent[size_t(i)] != i) i = parent[size_t(i)] = parent[size_t(parent[size_t(i)])];
    return i;
}

struct sector_link {
    int from, to;
    bool horizontal;
};

// The links between neighbouring open sectors: a random spanning tree of
// them (so that every open sector is reached) plus a share of the others,
// which make loops.
std::vector<sector_link> labyrinth_links(random_source& random, const std::vector<uint8_t>& solid)
{
    std::vector<sector_link> candidates;
    for (int sy = 0; sy < sectors; ++sy)
        for (int sx = 0; sx < sectors; ++sx) {
            const int s = sy * sectors + sx;
            if (solid[size_t(s)]) continue;
            if (sx + 1 < sectors && !solid[size_t(s + 1)]) candidates.push_back({s, s + 1, true});
            if (sy + 1 < sectors && !solid[size_t(s + sectors)])
                candidates.push_back({s, s + sectors, false});
        }
    for (size_t i = candidates.size() - 1; i > 0; --i)
        std::swap(candidates[i], candidates[size_t(random_below(random, int(i) + 1))]);
    std::vector<int> parent(size_t(sectors) * sectors);
    std::iota(parent.begin(), parent.end(), 0);
    std::vector<sector_link> links;
    for (const sector_link& link : candidates) {
        const int a = find_root(parent, link.from), b = find_root(parent, link.to);
        if (a != b) {
            parent[size_t(a)] = b;
            links.push_back(link);
        } else if (random_chance(random, 140)) {
            links.push_back(link);
        }
    }
    return links;
}

void paint_room(level& codes, mask& in_room, const room& r)
{
    const uint8_t ground = !r.junction && room_kinds[r.kind].marble ? code::floor_marble : code::floor;
    for (int y = r.y0; y <= r.y1; ++y)
        for (int x = r.x0; x <= r.x1; ++x) {
            codes[cell_index(x, y)] = ground;
            if (!r.junction) in_room[cell_index(x, y)] = 1;
        }
}

// Doors close the one-cell-wide openings of a room's outline.
void hang_doors(level& codes, random_source& random, const room& r)
{
    auto try_door = [&](int x, int y, int along_x, int along_y) {
        if (codes[cell_index(x, y)] != code::floor) return;
        if (codes[cell_index(x - along_x, y - along_y)] != code::wall) return;
        if (codes[cell_index(x + along_x, y + along_y)] != code::wall) return;
        if (random_chance(random, 550)) codes[cell_index(x, y)] = code::door;
    };
    for (int x = r.x0; x <= r.x1; ++x) {
        try_door(x, r.y0 - 1, 1, 0);
        try_door(x, r.y1 + 1, 1, 0);
    }
    for (int y = r.y0; y <= r.y1; ++y) {
        try_door(r.x0 - 1, y, 0, 1);
        try_door(r.x1 + 1, y, 0, 1);
    }
}

// Whether a room cell lies against the outline, away from its openings, so
// that a piece set there stands by the wall without blocking a way in.
bool is_by_wall(const level& codes, const room& r, point p)
{
    if (p.x != r.x0 && p.x != r.x1 && p.y != r.y0 && p.y != r.y1) return false;
    for (point step : steps4) {
        const uint8_t next = codes[cell_index(p.x + step.x, p.y + step.y)];
        if (next == code::door || next == code::floor) {
            const bool outside =
                p.x + step.x < r.x0 || p.x + step.x > r.x1 || p.y + step.y < r.y0 || p.y + step.y > r.y1;
            if (outside) return false;
        }
    }
    return true;
}

uint8_t random_piece(random_source& random, const furnishing& pieces)
{
    return pieces.codes[size_t(random_below(random, pieces.choices))];
}

void furnish_room(level& codes, random_source& random, const room& r)
{
    const room_kind& kind = room_kinds[r.kind];
    if (kind.centre.pieces > 0)
        codes[cell_index((r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2)] = random_piece(random, kind.centre);
    auto place = [&](const furnishing& pieces, auto fits) {
        for (int placed = 0, tries = 0; placed < pieces.pieces && tries < 40; ++tries) {
            const point p = random_point_in(random, r);
            if (!is_dungeon_floor(codes[cell_index(p.x, p.y)]) || !fits(p)) continue;
            codes[cell_index(p.x, p.y)] = random_piece(random, pieces);
            ++placed;
        }
    };
    place(kind.walls, [&](point p) { return is_by_wall(codes, r, p); });
    place(kind.scatter, [](point) { return true; });
}

// What lies about in the corridors, per mille of their cells.
struct corridor_piece {
    uint8_t code;
    int per_mille;
};
constexpr corridor_piece corridor_pieces[] = {
    {code::trap, 5},        {code::trap_disabled, 2},       {code::torch, 4},
    {code::floor_bones, 2}, {code::floor_bones_cleaned, 1}, {code::hills, 1},
};

void litter_corridors(level& codes, random_source& random, const mask& in_room)
{
    for (size_t i = 0; i < level_cells; ++i) {
        if (codes[i] != code::floor || in_room[i]) continue;
        int pick = random_below(random, 1000);
        for (const corridor_piece& piece : corridor_pieces) {
            if (pick < piece.per_mille) {
                codes[i] = piece.code;
                break;
            }
            pick -= piece.per_mille;
        }
    }
}

struct labyrinth {
    level codes;
    std::vector<point> stairs_up;
};

labyrinth make_labyrinth(const field& hollow)
{
    random_source random{0x1AB1217u};
    labyrinth result{level(level_cells, code::wall), {}};
    const std::vector<uint8_t> solid = rock_sectors(hollow);
    std::vector<room> rooms(size_t(sectors) * sectors);
    for (int sy = 0; sy < sectors; ++sy)
        for (int sx = 0; sx < sectors; ++sx) rooms[size_t(sy) * sectors + sx] = random_room(random, sx, sy);
    for (const sector_link& link : labyrinth_links(random, solid)) {
        const int width = random_chance(random, 300) ? 2 : 1;
        // Drawn in two statements so that every compiler draws the two ends in the same order.
        const point from = random_point_in(random, rooms[size_t(link.from)]);
        const point to = random_point_in(random, rooms[size_t(link.to)]);
        carve_corridor(result.codes, random, from, to, link.horizontal, width);
    }
    mask in_room(level_cells, 0);
    for (size_t s = 0; s < rooms.size(); ++s)
        if (!solid[s]) paint_room(result.codes, in_room, rooms[s]);
    for (size_t s = 0; s < rooms.size(); ++s) {
        if (solid[s] || rooms[s].junction) continue;
        hang_doors(result.codes, random, rooms[s]);
        furnish_room(result.codes, random, rooms[s]);
    }
    litter_corridors(result.codes, random, in_room);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (result.codes[cell_index(x, y)] == code::stairs_up) result.stairs_up.push_back({x, y});
    return result;
}

// ================================================================ level 2: the rock

// Solid rock with caverns where the hollow field is high, kept clear of the
// labyrinth above so that all of its floor has ground under it. Pools of
// water fill the deepest hollows; rubble lies about.
level make_rock(const level& labyrinth_codes, const field& hollow)
{
    level codes(level_cells, code::wall);
    const field pools = noise_field(223, 24, 3);
    const field rubble = noise_field(227, 16, 2);
    const field clearance =
        distance_to(cells_where(labyrinth_codes, [](uint8_t c) { return c != code::wall; }));
    for (int y = 1; y < side - 1; ++y)
        for (int x = 1; x < side - 1; ++x) {
            const size_t i = cell_index(x, y);
            if (hollow[i] < cavern_level + 0.02f || clearance[i] < 3.0f) continue;
            codes[i] = code::floor;
            if (hollow[i] > 0.93f && pools[i] > 0.55f)
                codes[i] = code::water;
            else if (rubble[i] > 0.86f)
                codes[i] = code::hills;
        }
    // Slivers squeezed between the corridors above read as noise: fill them in.
    mask seen(level_cells, 0);
    for (int y = 1; y < side - 1; ++y)
        for (int x = 1; x < side - 1; ++x) {
            if (seen[cell_index(x, y)] || codes[cell_index(x, y)] == code::wall) continue;
            const std::vector<point> cavern =
                region_of(codes, {x, y}, seen, [](uint8_t c) { return c != code::wall; });
            if (cavern.size() >= 60) continue;
            for (point p : cavern) codes[cell_index(p.x, p.y)] = code::wall;
        }
    return codes;
}

// ================================================================ level 0: the surface

struct surface {
    level codes;
    field water_distance;     // to the nearest water cell
    field mountain_distance;  // to the nearest mountain cell
};

// The sea rim, lakes in the low ground, mountain ranges along the crest
// lines of a ridge noise (broken by passes and present only where an uplift
// noise lets them), and hills at their feet.
void lay_relief(level& codes)
{
    const field coast = noise_field(11, 128, 5);
    const field height = noise_field(13, 160, 5);
    const field crest = noise_field(17, 256, 6);
    const field uplift = noise_field(19, 320, 2);
    const field passes = noise_field(23, 40, 3);
    const field rolling = noise_field(29, 48, 5);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const size_t i = cell_index(x, y);
            const int from_edge = std::min({x, y, side - 1 - x, side - 1 - y});
            const float sea = float(from_edge) - (14.0f + 50.0f * coast[i]);
            const float ridge = 1.0f - std::abs(2.0f * crest[i] - 1.0f);
            uint8_t& c = codes[i];
            if (sea < -5.0f)
                c = code::water_deep;
            else if (sea < 0.0f)
                c = code::water;
            else if (height[i] < 0.02f)
                c = code::water_deep;
            else if (height[i] < 0.055f)
                c = code::water;
            else if (ridge > 0.975f && uplift[i] > 0.45f && passes[i] > 0.3f)
                c = code::mountain_high;
            else if (ridge > 0.9f && uplift[i] > 0.35f && passes[i] > 0.15f)
                c = code::mountain;
            else if (ridge > 0.85f && uplift[i] > 0.3f)
                c = code::hills;
            else if (rolling[i] > 0.975f)
                c = code::hills;
            else
                c = code::plain;
        }
}

// A river starts at the foot of a range and runs down the distance to the
// nearest standing water, swinging to and fro, widening as it goes, until it
// meets the sea, a lake or another river.
void run_river(level& codes, std::vector<int16_t>& river_of, const field& to_water, point spring, int id)
{
    auto slope = [&](int x, int y) {
        const int x0 = std::max(x - 3, 0), x1 = std::min(x + 3, side - 1);
        const int y0 = std::max(y - 3, 0), y1 = std::min(y + 3, side - 1);
        return std::pair{to_water[cell_index(x1, y)] - to_water[cell_index(x0, y)],
                         to_water[cell_index(x, y1)] - to_water[cell_index(x, y0)]};
    };
    float px = float(spring.x), py = float(spring.y);
    auto [gx0, gy0] = slope(spring.x, spring.y);
    float heading = std::atan2(-gy0, -gx0);
    for (int step = 0; step < 4000; ++step) {
        const int x = int(px), y = int(py);
        const uint8_t here = codes[cell_index(x, y)];
        if (is_water(here) && river_of[cell_index(x, y)] != id) return;
        const float width = std::min(1.0f + float(step) / 60.0f, 4.5f);
        const int reach = int(width) + 1;
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const int cx = x + dx, cy = y + dy;
                const float d = std::sqrt(float(dx * dx + dy * dy));
                if (!on_level(cx, cy) || on_rim(cx, cy) || d > width) continue;
                uint8_t& c = codes[cell_index(cx, cy)];
                if (is_water(c) && river_of[cell_index(cx, cy)] != id) continue;
                c = d <= width - 2.5f ? code::water_deep : code::water;
                river_of[cell_index(cx, cy)] = int16_t(id);
            }
        auto [gx, gy] = slope(x, y);
        const float meander = 5.0f * (fractal_noise(uint32_t(500 + id), step, 0, 64, 3) - 0.5f);
        float wanted = std::atan2(-gy, -gx) + meander;
        float turn = std::remainder(wanted - heading, 6.2831853f);
        heading += std::clamp(turn, -0.12f, 0.12f);
        px = std::clamp(px + std::cos(heading), 1.0f, float(side - 2));
        py = std::clamp(py + std::sin(heading), 1.0f, float(side - 2));
    }
}

void run_rivers(level& codes, random_source& random)
{
    const field to_water = distance_to(cells_where(codes, is_water));
    const field to_mountain = distance_to(cells_where(codes, is_mountain_code));
    std::vector<int16_t> river_of(level_cells, -1);
    std::vector<point> springs;
    for (int tries = 0; tries < 40000 && springs.size() < 22; ++tries) {
        const point p = random_cell(random, 40);
        const size_t i = cell_index(p.x, p.y);
        if (codes[i] != code::hills || to_mountain[i] > 2.5f || to_water[i] < 60.0f) continue;
        if (std::any_of(springs.begin(), springs.end(),
                        [p](point s) { return squared_distance(s, p) < 90 * 90; }))
            continue;
        springs.push_back(p);
    }
    for (size_t r = 0; r < springs.size(); ++r) run_river(codes, river_of, to_water, springs[r], int(r));
}

// The kinds of forest and how often each grows.
struct forest_share {
    uint8_t code;
    int weight;
};
constexpr forest_share forest_shares[] = {
    {code::forest, 30},   {code::forest_leaf, 16},  {code::forest_b, 14},
    {code::forest_c, 14}, {code::forest_fruit, 10}, {code::forest_leaf_2, 4},
};

uint8_t forest_by_weight(uint32_t pick)
{
    int total = 0;
    for (const forest_share& share : forest_shares) total += share.weight;
    int left = int(pick % uint32_t(total));
    for (const forest_share& share : forest_shares) {
        if (left < share.weight) return share.code;
        left -= share.weight;
    }
    return code::forest;
}

// Each kind of forest grows in patches of its own: the cells of a jittered
// grid of patch centres (a Voronoi diagram), with borders made ragged by
// shifting the position looked up.
constexpr int forest_patch = 112;

uint8_t forest_kind_at(float x, float y)
{
    const int cx = int(x) / forest_patch, cy = int(y) / forest_patch;
    float nearest = 1e30f;
    uint32_t owner = 0;
    for (int ny = cy - 1; ny <= cy + 1; ++ny)
        for (int nx = cx - 1; nx <= cx + 1; ++nx) {
            const uint32_t h = noise_at(53, nx, ny);
            const float px = float(nx * forest_patch) + float(h % forest_patch);
            const float py = float(ny * forest_patch) + float((h >> 12) % forest_patch);
            const float d = (px - x) * (px - x) + (py - y) * (py - y);
            if (d < nearest) {
                nearest = d;
                owner = h >> 20;
            }
        }
    return forest_by_weight(owner);
}

// Deserts in the dry region, swamps by the water where the ground is wet,
// and forests over the rest of the plains; grey forest grows near the mountains.
void cover_ground(surface& world)
{
    const field dryness = noise_field(31, 512, 3);
    const field wetness = noise_field(37, 64, 3);
    const field woods = noise_field(41, 96, 4);
    const field shift_x = noise_field(43, 64, 3);
    const field shift_y = noise_field(45, 64, 3);
    const field fringe = noise_field(47, 12, 2);
    for (size_t i = 0; i < level_cells; ++i) {
        uint8_t& c = world.codes[i];
        if (c != code::plain) continue;
        const float dry = dryness[i] + 0.05f * (fringe[i] - 0.5f);
        if (dry > 0.9f && world.water_distance[i] > 4.0f + 3.0f * fringe[i])
            c = code::desert;
        else if (dry < 0.8f && world.water_distance[i] < 1.0f + 8.0f * wetness[i] + 4.0f * fringe[i] &&
                 wetness[i] > 0.6f)
            c = code::swamp;
        else if (dry < 0.78f && woods[i] > 0.64f)
            c = world.mountain_distance[i] < 10.0f + 12.0f * fringe[i]
                    ? code::forest_gray
                    : forest_kind_at(float(i % side) + 60.0f * shift_x[i],
                                     float(i / side) + 60.0f * shift_y[i]);
    }
}

// ---------------------------------------------------------------- villages and roads

bool can_hold_village(const surface& world, point p)
{
    const size_t i = cell_index(p.x, p.y);
    return world.codes[i] == code::plain && world.water_distance[i] > 4.0f &&
           world.mountain_distance[i] > 10.0f;
}

// Villages of a few cells each, spread over the land, with a well beside
// each and fields cleared around it. The colours take turns.
std::vector<point> found_villages(surface& world, random_source& random)
{
    std::vector<point> centres;
    for (int tries = 0; tries < 60000 && centres.size() < 64; ++tries) {
        const point p = random_cell(random, 60);
        if (!can_hold_village(world, p)) continue;
        if (std::any_of(centres.begin(), centres.end(),
                        [p](point c) { return squared_distance(c, p) < 95 * 95; }))
            continue;
        centres.push_back(p);
    }
    for (size_t v = 0; v < centres.size(); ++v) {
        const uint8_t colour = uint8_t(code::village + int(v) % village_colours);
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx) {
                uint8_t& c = world.codes[cell_index(centres[v].x + dx, centres[v].y + dy)];
                if (is_forest(c) || c == code::swamp) c = code::plain;
            }
        std::vector<point> cluster{centres[v]};
        world.codes[cell_index(centres[v].x, centres[v].y)] = colour;
        const int size = random_between(random, 3, 6);
        for (int tries = 0; tries < 60 && int(cluster.size()) < size; ++tries) {
            const point from = cluster[size_t(random_below(random, int(cluster.size())))];
            const point step = steps4[size_t(random_below(random, 4))];
            const point p{from.x + step.x, from.y + step.y};
            if (world.codes[cell_index(p.x, p.y)] != code::plain) continue;
            world.codes[cell_index(p.x, p.y)] = colour;
            cluster.push_back(p);
        }
        for (int tries = 0; tries < 20; ++tries) {
            const point from = cluster[size_t(random_below(random, int(cluster.size())))];
            const point step = steps4[size_t(random_below(random, 4))];
            uint8_t& c = world.codes[cell_index(from.x + step.x, from.y + step.y)];
            if (c != code::plain) continue;
            c = code::well;
            break;
        }
    }
    return centres;
}

// What laying a road through a cell costs the road builders: they follow old
// roads and plains, bridge rivers where they must and shun the mountains.
struct road_cost {
    uint8_t code;
    float cost;
};
constexpr road_cost road_costs[] = {
    {code::road, 0.35f},           {code::plain, 1.0f},       {code::desert, 1.6f},
    {code::hills, 3.0f},           {code::forest, 2.2f},      {code::forest_b, 2.2f},
    {code::forest_c, 2.2f},        {code::forest_leaf, 2.4f}, {code::forest_leaf_2, 2.4f},
    {code::forest_fruit, 2.6f},    {code::forest_gray, 4.0f}, {code::swamp, 5.0f},
    {code::water, 9.0f},           {code::water_deep, 80.0f}, {code::mountain, 45.0f},
    {code::mountain_high, 400.0f}, {code::well, 1000.0f},
};

constexpr std::array<float, 256> road_cost_by_code = [] {
    std::array<float, 256> costs{};
    costs.fill(1.0f);
    for (const road_cost& entry : road_costs) costs[entry.code] = entry.cost;
    for (int v = 0; v < village_colours; ++v) costs[size_t(code::village + v)] = 0.5f;
    return costs;
}();

// The search state of the road builder, kept from one road to the next:
// only the cells a search touched are reset.
struct road_search {
    field spent = field(level_cells, 1e30f);
    std::vector<uint32_t> came_from = std::vector<uint32_t>(level_cells, 0);
    std::vector<uint32_t> touched;
    field wander = noise_field(59, 40, 2);  // a little extra cost that makes roads wind
};

constexpr std::array<point, 8> steps8{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};

// The cheapest way from a to b for a road, by A* over the eight directions
// (so that roads run straight at any angle) with an estimate of plain ground
// all the way. A diagonal step comes back as two cells, because a road must
// be joined along the sides of its cells.
std::vector<point> road_route(const level& codes, road_search& search, point a, point b)
{
    for (uint32_t i : search.touched) search.spent[i] = 1e30f;
    search.touched.clear();
    constexpr float diagonal = 1.41421356f;
    auto estimate = [b](point p) {
        const int dx = std::abs(p.x - b.x), dy = std::abs(p.y - b.y);
        return float(std::max(dx, dy)) + (diagonal - 1.0f) * float(std::min(dx, dy));
    };
    using entry = std::pair<float, uint32_t>;
    std::priority_queue<entry, std::vector<entry>, std::greater<>> open;
    const uint32_t start = uint32_t(cell_index(a.x, a.y)), goal = uint32_t(cell_index(b.x, b.y));
    search.spent[start] = 0.0f;
    search.touched.push_back(start);
    open.push({estimate(a), start});
    while (!open.empty()) {
        const auto [priority, at] = open.top();
        open.pop();
        if (at == goal) break;
        const point p{int(at % side), int(at / side)};
        if (priority - estimate(p) > search.spent[at] + 1e-3f) continue;
        for (point step : steps8) {
            const point q{p.x + step.x, p.y + step.y};
            if (on_rim(q.x, q.y)) continue;
            const uint32_t next = uint32_t(cell_index(q.x, q.y));
            const float length = step.x != 0 && step.y != 0 ? diagonal : 1.0f;
            const float cost =
                search.spent[at] + length * (road_cost_by_code[codes[next]] + 1.2f * search.wander[next]);
            if (cost >= search.spent[next]) continue;
            if (search.spent[next] >= 1e30f) search.touched.push_back(next);
            search.spent[next] = cost;
            search.came_from[next] = at;
            open.push({cost + estimate(q), next});
        }
    }
    std::vector<point> route;
    for (uint32_t at = goal; at != start; at = search.came_from[at]) {
        const point p{int(at % side), int(at / side)};
        const uint32_t before = search.came_from[at];
        const point q{int(before % side), int(before / side)};
        route.push_back(p);
        if (p.x != q.x && p.y != q.y) route.push_back({p.x, q.y});
    }
    return route;
}

// The village pairs the roads join: a tree of shortest links (so that every
// village is reached) and a few more links between near neighbours.
std::vector<std::pair<size_t, size_t>> road_links(const std::vector<point>& villages)
{
    std::vector<std::pair<size_t, size_t>> links;
    std::vector<uint8_t> joined(villages.size(), 0);
    joined[0] = 1;
    for (size_t added = 1; added < villages.size(); ++added) {
        std::pair<size_t, size_t> best{0, 0};
        int best_distance = 1 << 30;
        for (size_t a = 0; a < villages.size(); ++a)
            for (size_t b = 0; b < villages.size(); ++b)
                if (joined[a] && !joined[b] && squared_distance(villages[a], villages[b]) < best_distance) {
                    best = {a, b};
                    best_distance = squared_distance(villages[a], villages[b]);
                }
        joined[best.second] = 1;
        links.push_back(best);
    }
    for (size_t a = 0; a < villages.size(); a += 3)
        for (size_t b = a + 1; b < villages.size(); ++b) {
            const bool linked = std::find(links.begin(), links.end(), std::pair{a, b}) != links.end() ||
                                std::find(links.begin(), links.end(), std::pair{b, a}) != links.end();
            if (!linked && squared_distance(villages[a], villages[b]) < 150 * 150) {
                links.push_back({a, b});
                break;
            }
        }
    return links;
}

void build_roads(level& codes, const std::vector<point>& villages)
{
    road_search search;
    for (const auto& [a, b] : road_links(villages))
        for (point p : road_route(codes, search, villages[a], villages[b])) {
            uint8_t& c = codes[cell_index(p.x, p.y)];
            if (!is_village(c)) c = code::road;
        }
}

// ---------------------------------------------------------------- sites

bool is_open_land(uint8_t c)
{
    return c == code::plain || c == code::hills || c == code::desert || is_forest(c);
}

bool near_code(const level& codes, point p, int radius, bool (*wanted)(uint8_t))
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (on_level(p.x + dx, p.y + dy) && wanted(codes[cell_index(p.x + dx, p.y + dy)])) return true;
    return false;
}

bool fits_mine(const level& codes, point p)
{
    return codes[cell_index(p.x, p.y)] == code::hills && near_code(codes, p, 2, is_mountain_code);
}
bool fits_grotto(const level& codes, point p)
{
    return codes[cell_index(p.x, p.y)] == code::hills && near_code(codes, p, 1, is_mountain_code);
}
bool fits_castle(const level& codes, point p)
{
    return codes[cell_index(p.x, p.y)] == code::plain && near_code(codes, p, 12, is_village) &&
           !near_code(codes, p, 3, is_village);
}
bool fits_ruin(const level& codes, point p)
{
    return is_forest(codes[cell_index(p.x, p.y)]);
}
bool fits_lighttower(const level& codes, point p)
{
    const int from_edge = std::min({p.x, p.y, side - 1 - p.x, side - 1 - p.y});
    return from_edge < 90 && is_open_land(codes[cell_index(p.x, p.y)]) &&
           near_code(codes, p, 1, [](uint8_t c) { return c == code::water_deep || c == code::water; });
}
bool fits_rift(const level& codes, point p)
{
    return codes[cell_index(p.x, p.y)] == code::desert;
}

// Sites of the surface and how many of each, kept apart from one another.
struct site_kind {
    uint8_t code;
    int count;
    bool (*fits)(const level&, point);
};
constexpr site_kind site_kinds[] = {
    {code::mine, 26, fits_mine},    {code::iron_mine, 20, fits_mine}, {code::grottus, 6, fits_grotto},
    {code::castle, 7, fits_castle}, {code::ruin, 9, fits_ruin},       {code::lighttower, 6, fits_lighttower},
    {code::rift, 4, fits_rift},
};

void place_sites(level& codes, random_source& random)
{
    std::vector<point> placed;
    for (const site_kind& kind : site_kinds) {
        int count = 0;
        for (int tries = 0; tries < 400000 && count < kind.count; ++tries) {
            const point p = random_cell(random, 8);
            if (!kind.fits(codes, p)) continue;
            if (std::any_of(placed.begin(), placed.end(),
                            [p](point q) { return squared_distance(p, q) < 40 * 40; }))
                continue;
            codes[cell_index(p.x, p.y)] = kind.code;
            placed.push_back(p);
            ++count;
        }
    }
}

// Dungeon entrances stand over the stairs up from the labyrinth, where the
// surface there is dry land.
void open_entrances(level& codes, const std::vector<point>& stairs_up)
{
    for (point p : stairs_up) {
        uint8_t& c = codes[cell_index(p.x, p.y)];
        if (is_open_land(c)) c = code::dungeon;
    }
}

level make_surface(const std::vector<point>& stairs_up)
{
    random_source random{0x5EAF00Du};
    surface world{level(level_cells, code::plain), {}, {}};
    lay_relief(world.codes);
    run_rivers(world.codes, random);
    world.water_distance = distance_to(cells_where(world.codes, is_water));
    world.mountain_distance = distance_to(cells_where(world.codes, is_mountain_code));
    cover_ground(world);
    build_roads(world.codes, found_villages(world, random));
    place_sites(world.codes, random);
    open_entrances(world.codes, stairs_up);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (on_rim(x, y)) world.codes[cell_index(x, y)] = code::water_deep;
    return world.codes;
}

}  // namespace

std::vector<uint8_t> make_overworld_levels()
{
    const field hollow = hollow_field();
    const labyrinth dungeon = make_labyrinth(hollow);
    const level rock = make_rock(dungeon.codes, hollow);
    const level ground = make_surface(dungeon.stairs_up);
    std::vector<uint8_t> levels;
    levels.reserve(3 * level_cells);
    levels.insert(levels.end(), ground.begin(), ground.end());
    levels.insert(levels.end(), dungeon.codes.begin(), dungeon.codes.end());
    levels.insert(levels.end(), rock.begin(), rock.end());
    return levels;
}
