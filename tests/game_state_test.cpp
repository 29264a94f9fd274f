#include <cstring>

#include "draw/framebuffer.h"
#include "test_support.h"

using game_state_test = state_test;

TEST_F(game_state_test, every_table_exists_at_its_capacity_after_init)
{
    EXPECT_EQ(game.plane_size, 1024 * 1024);
    EXPECT_NE(game.world_planes, nullptr);
    EXPECT_NE(game.unit_table, nullptr);
    EXPECT_NE(game.definition_table, nullptr);
    EXPECT_NE(game.image_table, nullptr);
    EXPECT_NE(game.feature_list, nullptr);
    ASSERT_NE(game.pathfinder, nullptr);
    EXPECT_NE(game.sine_table, nullptr);
    EXPECT_NE(game.cosine_table, nullptr);
    ASSERT_NE(game.console_tokens, nullptr);
    for (int i = 0; i < console_token_count; ++i) EXPECT_STREQ(game.console_tokens[i], "");
    EXPECT_EQ(game.console_length, 0);
    EXPECT_EQ(game.camera_level, 0);
    EXPECT_EQ(game.selected_unit, 1);
    // The last entry of each table can be written (the sanitizer build checks it).
    game.world_planes[size_t(game.level_count) * game.plane_size - 1] = 1;
    game.unit_table[game.unit_capacity - 1].alive = 0;
    game.definition_table[game.definition_capacity - 1].kind = 0;
    game.image_table[game.image_capacity - 1].width = 0;
    game.feature_list[game.feature_capacity - 1].code = 0;
    game.pathfinder->path_x[size_t(game.unit_capacity) * path_store_capacity - 1] = 0;
    game.pathfinder->node_cost[size_t(game.plane_size) - 1] = 0.0f;
}

TEST_F(game_state_test, tables_start_zero_except_unit_one_offsets)
{
    const size_t cells = size_t(game.level_count) * game.plane_size;
    const uint8_t* planes = game.world_planes;
    EXPECT_TRUE(planes[0] == 0 && std::memcmp(planes, planes + 1, cells - 1) == 0);
    for (int u = 0; u < game.unit_capacity; ++u) {
        unit_record expected{};
        if (u == 1) expected.offset_x = expected.offset_y = expected.offset_z = 0.5f;
        ASSERT_EQ(std::memcmp(&game.unit_table[u], &expected, sizeof expected), 0) << "unit " << u;
    }
    for (int u = 0; u < game.unit_capacity; ++u) ASSERT_EQ(game.pathfinder->path_step[u], no_path);
    EXPECT_EQ(game.pathfinder->ready, 0);
    EXPECT_EQ(game.pathfinder->dir_dx[6], -1);
    EXPECT_EQ(game.pathfinder->dir_cost[1], 1.4142f);
    for (int slot = 0; slot < game.image_capacity; ++slot) ASSERT_EQ(game.image_table[slot].pixels, nullptr);
}

TEST_F(game_state_test, free_leaves_every_pointer_null)
{
    free_game_state();
    EXPECT_EQ(game.framebuffer, nullptr);
    EXPECT_EQ(game.scratch_buffer, nullptr);
    EXPECT_EQ(game.world_planes, nullptr);
    EXPECT_EQ(game.image_table, nullptr);
    EXPECT_EQ(game.unit_table, nullptr);
    EXPECT_EQ(game.feature_list, nullptr);
    EXPECT_EQ(game.definition_table, nullptr);
    EXPECT_EQ(game.pathfinder, nullptr);
    EXPECT_EQ(game.sine_table, nullptr);
    EXPECT_EQ(game.cosine_table, nullptr);
    EXPECT_EQ(game.console_tokens, nullptr);
    free_game_state();  // a second release finds nothing left to release
}

TEST(game_state_defaults, initial_values_of_the_record)
{
    const game_state fresh{};
    EXPECT_EQ(fresh.world_size, 256);
    EXPECT_EQ(fresh.level_count, 180);
    EXPECT_EQ(fresh.unit_capacity, 3000);
    EXPECT_EQ(fresh.image_capacity, 3100);
    EXPECT_EQ(fresh.definition_capacity, 230000);
    EXPECT_EQ(fresh.feature_capacity, 1000);
    EXPECT_EQ(fresh.pixel_zoom, 2);
    EXPECT_EQ(fresh.selected_unit, 1);
    EXPECT_EQ(fresh.overview_visible, 1);
    EXPECT_EQ(fresh.overview_x, 518);
    EXPECT_EQ(fresh.overview_y, 338);
    EXPECT_EQ(fresh.unit_step_period, 30.0f);
    EXPECT_EQ(fresh.world_planes, nullptr);
    EXPECT_EQ(fresh.gl_context, nullptr);
    EXPECT_EQ(fresh.ground_level, 28);
}
