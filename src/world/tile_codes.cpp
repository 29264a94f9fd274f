#include "world/tile_codes.h"

#include "shell/game_state.h"

void fill_tile_costs()
{
    for (float& cost : game.tile_cost) cost = 3.0f;
    for (const tile_code_info& info : tile_codes) game.tile_cost[info.code] = info.cost;
}
