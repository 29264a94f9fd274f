#pragma once
#include <cstdint>
// Orders and the step passes that carry them out.

// One step pass over every unit with an order.
void advance_units();
// The A key: a random destination for unit 1.
void order_random_destination();
// New random destinations for idle wanderers.
void wander_units();
// Sends unit u to cell (x, y).
void issue_move_order(int32_t u, int32_t x, int32_t y);
