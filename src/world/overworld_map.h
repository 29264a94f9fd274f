#pragma once
#include <cstdint>

// Reads levels 0.. level_count_to_read - 1 from the map file numbered map_number.
void load_overworld(int32_t map_number, int32_t level_count_to_read);
