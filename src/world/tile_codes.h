#pragma once
// Tile codes and what they cost to enter.

// Writes all 256 entries of tile_cost.
void fill_tile_costs();
