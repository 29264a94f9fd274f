#include "world/planes.h"

#include "world/random.h"

// The coarse planes arrive with the tile table.
void build_coarse_planes() {}

// The features arrive with the tile table; the seed already belongs here so
// that everything drawn after the start-up passes follows the same sequence.
void scatter_features()
{
    seed_random(96);
}
