#pragma once
#include <cstdint>
// Orders and the step passes that carry them out.

// One step pass over every unit with an order: plan where needed, then take
// one cell of the path. Its searches run on two threads when there are many.
void advance_units();
// The same pass taking each unit completely before the next, on one thread:
// the plain form the staged pass must match.
void advance_units_one_by_one();
// The A key: a random destination for unit 1.
void order_random_destination();
// New random destinations for idle and arrived wanderers (units 2 on).
void wander_units();
// Sends unit u to cell (x, y).
void issue_move_order(int32_t u, int32_t x, int32_t y);
// Picks the next coarse block towards u's target and a waypoint in it, or
// makes the target itself the waypoint when there is no coarse path.
void plan_coarse_step(int32_t u);
// Searches from the unit's cell to the goal in the given window; 1 = found,
// with the first step in the unit's next_x, next_y.
int32_t plan_in_window(int32_t unit, int32_t goal_x, int32_t goal_y, int32_t side, int32_t window_x,
                       int32_t window_y);
// Gives u the next cell of its path to the goal, searching when it has none;
// 1 = next_x, next_y hold a cell to step to.
int32_t follow_path(int32_t u, int32_t goal_x, int32_t goal_y, int32_t side);
