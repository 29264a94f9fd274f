#pragma once
// Tile codes: what the one-byte cells of the world mean, which picture the
// overworld view shows for each, and what each costs to enter.
#include <array>
#include <cstdint>

// Overworld picture of a code that the view leaves undrawn.
inline constexpr int16_t no_picture = -1;
// Overworld picture of hills: it depends on the level shown (see overworld_slot).
inline constexpr int16_t picture_by_level = -2;

struct tile_code_info {
    uint8_t code;
    const char* name;
    int16_t slot;  // image slot the overworld view draws, no_picture or picture_by_level
    float cost;    // cost of entering a cell of this code
};

// Every code with a meaning. Codes missing here are not drawn, cost 3.0 and
// can be entered.
inline constexpr tile_code_info tile_codes[] = {
    {0, "empty", no_picture, 3.0f},
    {1, "block", no_picture, 3.0f},
    {2, "grass", no_picture, 3.0f},
    {3, "dirt", no_picture, 3.0f},
    {4, "corner", no_picture, 3.0f},
    {5, "reserved_5", no_picture, 3.0f},
    {10, "plain", 10, 3.0f},
    {11, "forest", 11, 9.0f},
    {12, "forest_fruit", 12, 18.0f},
    {13, "forest_gray", 13, 42.0f},
    {14, "water", 14, 16.0f},
    {15, "water_deep", 15, 50.0f},
    {16, "swamp", 16, 28.0f},
    {17, "desert", 17, 30.0f},
    {18, "hills", picture_by_level, 18.0f},
    {19, "mountain", 19, 300.0f},
    {20, "mountain_high", 20, 400.0f},
    {21, "forest_leaf", 21, 15.0f},
    {22, "road", 22, 1.0f},
    {23, "forest_b", 23, 3.0f},
    {24, "forest_c", 24, 3.0f},
    {60, "floor", 119, 3.0f},
    {61, "wall", 111, 3000.0f},
    {68, "floor_marble", 118, 3.0f},
    {70, "door", 128, 3.0f},
    {76, "stairs_up", 137, 3.0f},
    {77, "stairs_down", 136, 3.0f},
    {78, "source_complete", 131, 3.0f},
    {79, "source", 130, 3.0f},
    {80, "spawn", 132, 3.0f},
    {81, "spawn_complete", 133, 3.0f},
    {82, "trap", 148, 20.0f},
    {83, "trap_disabled", 149, 3.0f},
    {84, "fountain", 134, 3.0f},
    {85, "fountain_drank", 135, 3.0f},
    {86, "candelabrum", 122, 3.0f},
    {87, "candelabrum_extinct", 123, 3.0f},
    {88, "coffin", 124, 3.0f},
    {89, "coffin_open", 125, 3.0f},
    {90, "chest", 120, 3.0f},
    {91, "chest_open", 121, 3.0f},
    {100, "scrolls", 167, 3.0f},
    {108, "circle", 140, 3.0f},
    {109, "circle_aflamed", 142, 3.0f},
    {111, "circle_golden", 141, 3.0f},
    {112, "altar", 144, 3.0f},
    {113, "altar_dark", 146, 3.0f},
    {116, "altar_jeweled", 145, 3.0f},
    {128, "torch", 152, 3.0f},
    {161, "floor_bones", 126, 3.0f},
    {162, "floor_bones_cleaned", 127, 3.0f},
    {180, "village", 180, 180.0f},
    {181, "village_yellow", 181, 180.0f},
    {182, "village_blue", 182, 180.0f},
    {183, "village_green", 183, 180.0f},
    {184, "village_red", 184, 180.0f},
    {188, "ruin", 188, 3.0f},
    {189, "castle", 189, 3.0f},
    {190, "grottus", 190, 3.0f},
    {191, "mine", 191, 3.0f},
    {192, "iron_mine", 192, 3.0f},
    {193, "forest_leaf_2", 193, 3.0f},
    {194, "well", 194, 3.0f},
    {196, "dungeon", 196, 3.0f},
    {197, "lighttower", 197, 3.0f},
    {198, "rift", 198, 3.0f},
    {211, "source_2", 160, 3.0f},
    {212, "source_red", 161, 3.0f},
    {218, "gear_mechanism", 155, 3.0f},
    {219, "lever", 156, 3.0f},
};

// The codes other parts of the program name.
namespace tile {
inline constexpr uint8_t empty = 0;
inline constexpr uint8_t block = 1;
inline constexpr uint8_t corner = 4;
inline constexpr uint8_t plain = 10;
inline constexpr uint8_t forest = 11;
inline constexpr uint8_t hills = 18;
inline constexpr uint8_t mountain = 19;
inline constexpr uint8_t mountain_high = 20;
inline constexpr uint8_t road = 22;
inline constexpr uint8_t floor = 60;
inline constexpr uint8_t wall = 61;
inline constexpr uint8_t ruin = 188;
inline constexpr uint8_t castle = 189;
inline constexpr uint8_t grottus = 190;
inline constexpr uint8_t dungeon = 196;
inline constexpr uint8_t lighttower = 197;
inline constexpr uint8_t rift = 198;
}  // namespace tile

// The coarse planes hold one of these per 16 x 16 block.
inline constexpr uint8_t coarse_open = tile::plain;
inline constexpr uint8_t coarse_mountainous = tile::mountain;

// The overworld picture of every code, no_picture or picture_by_level, by code.
inline constexpr std::array<int16_t, 256> overworld_slots = [] {
    std::array<int16_t, 256> slots{};
    slots.fill(no_picture);
    for (const tile_code_info& info : tile_codes) slots[info.code] = info.slot;
    return slots;
}();

// The picture the overworld view draws for a code on a level, or no_picture.
// Hills look like fruit forest on the surface, like hills in the dungeon and
// like desert in the rock below; elsewhere they are not drawn.
constexpr int16_t overworld_slot(uint8_t code, int32_t level)
{
    const int16_t slot = overworld_slots[code];
    if (slot != picture_by_level) return slot;
    switch (level) {
    case 0: return 12;
    case 1: return 18;
    case 2: return 17;
    default: return no_picture;
    }
}

// The path search never steps into these.
constexpr bool is_unenterable(uint8_t code)
{
    return code <= 5 || code == tile::wall;
}
// A diagonal step may cut past a neighbour of these codes.
constexpr bool is_corner_clear(uint8_t code)
{
    return code == tile::plain || code == tile::forest || code == tile::hills || code == tile::floor;
}
// A unit is never seeded on these.
constexpr bool is_excluded_start(uint8_t code)
{
    return code == tile::forest || code == tile::mountain || code == tile::mountain_high || code == tile::wall;
}
// Mountain for the coarse planes and for the goals picked inside a coarse block.
constexpr bool is_mountain(uint8_t code)
{
    return code == tile::mountain || code == tile::mountain_high;
}
// Solid in the 3D view: drawn as a cube, collides, counts as ground below;
// also refused as a teleport destination.
constexpr bool is_solid(uint8_t code)
{
    return code == tile::wall;
}
// The cube-environment codes the console writes.
constexpr bool is_console_written(uint8_t code)
{
    return code <= tile::corner;
}

// The features scattered at start-up, by the kind drawn (1..6).
inline constexpr uint8_t feature_codes[6] = {tile::ruin,    tile::castle,     tile::grottus,
                                             tile::dungeon, tile::lighttower, tile::rift};

// Writes all 256 entries of tile_cost.
void fill_tile_costs();
