#pragma once
#include <cstdint>

// One creature of the world. A unit is known only by its index in unit_table;
// records are never inserted, removed or moved while the program runs.
struct unit_record {
    uint8_t alive;      // 1 = the slot holds a unit; everything else skips it
    uint16_t x;         // column of the unit's cell
    uint16_t y;         // row of the unit's cell
    uint16_t level;     // level (plane index) the unit stands on
    uint16_t target_x;  // destination of the current move order
    uint16_t target_y;
    uint16_t waypoint_x;  // goal of the current short search
    uint16_t waypoint_y;
    uint16_t next_x;  // cell the unit steps to next
    uint16_t next_y;
    uint16_t has_order;   // 1 = pursuing a move order, 0 = idle
    uint16_t move_phase;  // 0 plan, 1 walk to waypoint, 2 plan again, 3 arrived
    float offset_x;       // position inside the cell, 0..1 (0.5 = centre)
    float offset_y;
    float offset_z;     // height inside the cell
    uint16_t sprite;    // image slot the overworld view draws
    uint16_t category;  // the overworld view draws categories 1, 3 and 9
    float max_health;
    float health;
    uint8_t hidden;      // nonzero = not drawn and not moved by the step pass
    uint8_t bar_style;   // health bar colour: 0 green, 1 or 3 purple, else none
    float step_counter;  // net steps walked in the 3D view (forward +1, back -1)
};

// The record the coarse planner borrows for one search at a time.
inline constexpr int scratch_unit = 1000;
