#pragma once
// The generator of the program's default data: every picture the image
// manifest names and the overworld map, all drawn from fixed seeds.
#include <cstdint>
#include <string>
#include <vector>

#include "paint.h"

// The picture for the manifest entry folder/name. Units are drawn on key_colour.
canvas draw_picture(const std::string& folder, const std::string& name);
// Pictures of bmp_unit and bmp_item.
canvas draw_unit_picture(const std::string& name);
canvas draw_item_picture(const std::string& name);
// Pictures of every other folder: land, dungeon, structures, cube, cross, title.
canvas draw_world_picture(const std::string& folder, const std::string& name);

// Levels 0, 1 and 2 of the world, 1024 x 1024 tile codes each, level after
// level, row after row.
std::vector<uint8_t> make_overworld_levels();
