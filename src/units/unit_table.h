#pragma once
// The unit table's starting population.

// Places units 1 to 255 on random acceptable cells of levels 0 to 2 (unit 1
// always on level 1) and clears unit 0.
void seed_units();
