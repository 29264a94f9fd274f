// The passes that derive world content at start-up: coarse planes and features.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "test_support.h"
#include "world/planes.h"
#include "world/random.h"
#include "world/tile_codes.h"

namespace {

class planes_test : public state_test {
protected:
    uint8_t& cell(int x, int y, int level) { return game.world_planes[cell_index(x, y, level)]; }
    // Fills the first count cells of the block (bx, by) of level 0, row by row.
    void fill_block(int bx, int by, int count, uint8_t code)
    {
        for (int i = 0; i < count; ++i) cell(16 * bx + i % 16, 16 * by + i / 16, 0) = code;
    }
    bool level_is_empty(int level)
    {
        const uint8_t* first = &cell(0, 0, level);
        for (int64_t i = 0; i < game.plane_size; ++i)
            if (first[i]) return false;
        return true;
    }
};

}  // namespace

TEST_F(planes_test, a_block_is_mountainous_from_51_mountain_cells)
{
    struct block_case {
        int bx, by, count;
        uint8_t code;
        uint8_t expected;
    } cases[] = {
        {0, 0, 50, tile::mountain, coarse_open},
        {1, 0, 51, tile::mountain, coarse_mountainous},
        {2, 0, 256, tile::mountain_high, coarse_mountainous},
        {63, 63, 51, tile::mountain_high, coarse_mountainous},
        {3, 0, 256, tile::hills, coarse_open},
        {4, 0, 256, tile::wall, coarse_open},
    };
    for (const block_case& c : cases) fill_block(c.bx, c.by, c.count, c.code);
    // 25 of each mountain code and one more of either decide together.
    fill_block(5, 0, 25, tile::mountain);
    for (int i = 25; i < 51; ++i) cell(16 * 5 + i % 16, i / 16, 0) = tile::mountain_high;
    build_coarse_planes();
    for (const block_case& c : cases) EXPECT_EQ(cell(c.bx, c.by, 10), c.expected) << c.bx << "," << c.by;
    EXPECT_EQ(cell(5, 0, 10), coarse_mountainous);
}

TEST_F(planes_test, an_empty_world_gives_open_blocks_only_in_the_corner)
{
    build_coarse_planes();
    for (int level = 10; level <= 12; ++level)
        for (int y = 0; y < 1024; ++y)
            for (int x = 0; x < 1024; ++x)
                ASSERT_EQ(cell(x, y, level), x < 64 && y < 64 ? coarse_open : 0)
                    << x << "," << y << "," << level;
}

TEST_F(planes_test, a_block_of_level_one_summarises_into_level_eleven)
{
    for (int i = 0; i < 51; ++i) cell(16 * 7 + i % 16, 16 * 9 + i / 16, 1) = tile::mountain;
    build_coarse_planes();
    EXPECT_EQ(cell(7, 9, 11), coarse_mountainous);
    EXPECT_EQ(cell(7, 9, 10), coarse_open);
    EXPECT_EQ(cell(7, 9, 12), coarse_open);
}

TEST_F(planes_test, features_fill_768_records_on_the_first_three_levels)
{
    build_coarse_planes();
    scatter_features();
    EXPECT_EQ(game.feature_count, 769);
    const feature_record empty{};
    EXPECT_EQ(std::memcmp(&game.feature_list[0], &empty, sizeof empty), 0);
    EXPECT_EQ(game.feature_list[769].active, 0);
    const std::set<int> feature_set(std::begin(feature_codes), std::end(feature_codes));
    for (int i = 1; i <= 768; ++i) {
        const feature_record& f = game.feature_list[i];
        ASSERT_EQ(f.active, 1) << i;
        EXPECT_EQ(f.level, (i - 1) / 256) << i;
        EXPECT_GE(f.x, 1);
        EXPECT_LE(f.x, 1022);
        EXPECT_GE(f.y, 1);
        EXPECT_LE(f.y, 1022);
        EXPECT_TRUE(feature_set.count(f.code)) << int(f.code);
        EXPECT_EQ(f.spare, 0);
    }
    // When two draws hit one cell, the later code stays.
    for (int i = 768; i >= 1; --i) {
        const feature_record& f = game.feature_list[i];
        bool overwritten = false;
        for (int later = i + 1; later <= 768; ++later) {
            const feature_record& g = game.feature_list[later];
            overwritten |= g.x == f.x && g.y == f.y && g.level == f.level;
        }
        if (!overwritten) {
            EXPECT_EQ(cell(f.x, f.y, f.level), f.code) << i;
        }
    }
    for (int level : {3, 4, 5, 6, 7, 8, 9, 13}) EXPECT_TRUE(level_is_empty(level)) << level;
}

TEST_F(planes_test, features_follow_the_draws_of_seed_96)
{
    scatter_features();
    seed_random(96);
    for (int i = 1; i <= 768; ++i) {
        const int x = next_random() % 1022 + 1;
        const int y = next_random() % 1022 + 1;
        const int kind = next_random() % 6 + 1;
        const feature_record& f = game.feature_list[i];
        ASSERT_EQ(f.x, x) << i;
        ASSERT_EQ(f.y, y) << i;
        ASSERT_EQ(f.code, feature_codes[kind - 1]) << i;
    }
    // The generator is left where the pass stopped.
    const int after_pass = next_random();
    scatter_features();
    EXPECT_EQ(next_random(), after_pass);
}
