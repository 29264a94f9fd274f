#include "world/trig_tables.h"

#include <cmath>

#include "shell/allocate.h"
#include "shell/game_state.h"

void build_trig_tables()
{
    if (game.sine_table || game.cosine_table) return;
    game.sine_table = allocate_table<float>(trig_table_entries);
    game.cosine_table = allocate_table<float>(trig_table_entries);
    for (int32_t i = 0; i < trig_table_entries; ++i) {
        const float counter = float(i);  // every counter value is exact in a float
        const double angle = double(counter) * degree_factor / 1000.0;
        game.sine_table[i] = float(std::sin(angle));
        game.cosine_table[i] = float(std::cos(angle));
    }
}
