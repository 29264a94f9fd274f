#include "shell/game_state.h"

#include <cstdio>

#include "assets/image_sets.h"
#include "console/console.h"
#include "draw/framebuffer.h"
#include "platform/platform.h"
#include "shell/allocate.h"
#include "world/definitions.h"
#include "world/tile_codes.h"
#include "world/trig_tables.h"

game_state game;

void report_out_of_memory(size_t bytes)
{
    char text[128];
    std::snprintf(text, sizeof text, "Not enough memory for a table of %zu bytes.", bytes);
    message_box(text, "ERROR", mb_ok | mb_iconexclamation);
    std::exit(1);
}

void init_game_state()
{
    set_screen_mode(game.screen_width, game.screen_height);
    game.world_planes = allocate_table<uint8_t>(size_t(game.level_count) * size_t(game.plane_size));
    game.image_table = allocate_table<image_slot>(game.image_capacity);
    game.unit_table = allocate_table<unit_record>(game.unit_capacity);
    game.feature_list = allocate_table<feature_record>(game.feature_capacity);
    game.definition_table = allocate_table<definition_record>(game.definition_capacity);
    game.pathfinder = allocate_table<path_search>(1);
    create_path_search(game.pathfinder);
    game.search_helper = allocate_table<path_search>(1);
    create_search_helper(game.search_helper, game.pathfinder);
    load_image_sets();
    fill_tile_costs();
    build_trig_tables();
    init_console_buffers();
    build_definitions();
    make_starting_definitions();
    game.unit_table[1].offset_x = 0.5f;
    game.unit_table[1].offset_y = 0.5f;
    game.unit_table[1].offset_z = 0.5f;
}

void free_game_state()
{
    release_table(game.framebuffer);
    release_table(game.scratch_buffer);
    release_table(game.world_planes);
    if (game.image_table) {
        for (int slot = 0; slot < game.image_capacity; ++slot) release_picture(game.image_table[slot]);
    }
    release_table(game.image_table);
    release_table(game.unit_table);
    release_table(game.feature_list);
    release_table(game.definition_table);
    if (game.search_helper) destroy_search_helper(game.search_helper);
    release_table(game.search_helper);
    if (game.pathfinder) destroy_path_search(game.pathfinder);
    release_table(game.pathfinder);
    release_table(game.sine_table);
    release_table(game.cosine_table);
    free_console_buffers();
}

void reset_game_state()
{
    game = game_state{};
}
