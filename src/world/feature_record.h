#pragma once
#include <cstdint>

// One feature placed on the overworld at start-up (ruin, castle, cave, ...).
struct feature_record {
    uint16_t x;
    uint16_t y;
    uint16_t level;
    uint8_t active;  // 1 when placed
    uint16_t code;   // the feature's tile code
    int32_t spare;   // set to 0 on placement, read by nobody
};
