#pragma once
#include <cstdint>
#include <string>

// The path of the map file numbered map_number: "map/<number>.overworld" in the data folder.
std::string overworld_file_name(int32_t map_number);
// Reads levels 0 .. level_count_to_read - 1 from the map file numbered
// map_number, then pauses one second. A missing file leaves the levels as
// they are, without the pause.
void load_overworld(int32_t map_number, int32_t level_count_to_read);
