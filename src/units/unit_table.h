#pragma once
// The unit table's starting population.

// Places the starting units on the loaded world.
void seed_units();
