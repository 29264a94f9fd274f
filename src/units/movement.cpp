#include "units/movement.h"

#include "shell/game_state.h"

// The step passes and the A key arrive with the path search.
void advance_units() {}
void order_random_destination() {}
void wander_units() {}

void issue_move_order(int32_t u, int32_t x, int32_t y)
{
    unit_record& unit = game.unit_table[u];
    unit.target_x = uint16_t(x);
    unit.target_y = uint16_t(y);
    unit.waypoint_x = 0;
    unit.waypoint_y = 0;
    unit.has_order = 1;
    unit.move_phase = 0;
    game.pathfinder->path_step[u] = no_path;
}
