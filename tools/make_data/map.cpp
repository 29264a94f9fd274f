#include <algorithm>

#include "make_data.h"

// Placeholder levels until the map is generated: plain surface, empty below.
std::vector<uint8_t> make_overworld_levels()
{
    std::vector<uint8_t> levels(size_t(3) * 1024 * 1024, 0);
    std::fill(levels.begin(), levels.begin() + 1024 * 1024, uint8_t(10));
    return levels;
}
