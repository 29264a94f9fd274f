#include "units/unit_table.h"

#include <cstring>
#include <set>
#include <vector>

#include "test_support.h"
#include "world/random.h"
#include "world/tile_codes.h"

namespace {

constexpr int last_seeded = 255;

class unit_table_test : public state_test {
protected:
    static void fill_level(int level, uint8_t code)
    {
        std::memset(game.world_planes + cell_index(0, 0, level), code, size_t(game.plane_size));
    }
    static uint8_t code_under(const unit_record& unit)
    {
        return game.world_planes[cell_index(unit.x, unit.y, unit.level)];
    }
    static void clear_seeded_units()
    {
        std::memset(static_cast<void*>(game.unit_table), 0, sizeof(unit_record) * (last_seeded + 1));
    }
    static std::vector<unit_record> copy_of_units(int first, int last)
    {
        return std::vector<unit_record>(game.unit_table + first, game.unit_table + last + 1);
    }
    static bool same_bytes(const unit_record& a, const unit_record& b)
    {
        return std::memcmp(&a, &b, sizeof a) == 0;
    }
};

// Where a unit lands when every try draws x, y and level in that order and
// a try is kept when its level is acceptable.
struct placement {
    int x, y, level;
};
placement replay_placement(int u, bool (*level_accepted)(int))
{
    for (int t = 0; t < 1000; ++t) {
        const int x = next_random() % 1022 + 1;
        const int y = next_random() % 1022 + 1;
        int level = next_random() % 3;
        if (u == 1) level = 1;
        if (level_accepted(level)) return {x, y, level};
    }
    return {0, 0, -1};
}

}  // namespace

TEST_F(unit_table_test, seeded_cells_avoid_the_excluded_codes_and_the_outer_ring)
{
    // Two thirds of every cell of levels 0..2 carry an excluded code.
    const uint8_t pattern[6] = {tile::forest, tile::mountain, tile::plain, tile::mountain_high, tile::wall, 14};
    for (int level = 0; level < 3; ++level)
        for (int y = 0; y < game.world_size; ++y)
            for (int x = 0; x < game.world_size; ++x)
                game.world_planes[cell_index(x, y, level)] = pattern[(x * 7 + y * 13 + level) % 6];
    seed_random(3);
    seed_units();
    std::set<int> codes_seen, levels_seen;
    for (int u = 1; u <= last_seeded; ++u) {
        const unit_record& unit = game.unit_table[u];
        SCOPED_TRACE(u);
        ASSERT_EQ(unit.alive, 1);
        EXPECT_FALSE(is_excluded_start(code_under(unit))) << int(code_under(unit));
        EXPECT_GE(unit.x, 1);
        EXPECT_LE(unit.x, 1022);
        EXPECT_GE(unit.y, 1);
        EXPECT_LE(unit.y, 1022);
        if (u == 1)
            EXPECT_EQ(unit.level, 1);
        else
            EXPECT_LE(unit.level, 2);
        codes_seen.insert(code_under(unit));
        if (u > 1) levels_seen.insert(unit.level);
    }
    EXPECT_EQ(codes_seen, (std::set<int>{tile::plain, 14}));
    EXPECT_EQ(levels_seen, (std::set<int>{0, 1, 2}));
}

TEST_F(unit_table_test, a_world_of_one_code_seeds_everybody_or_nobody)
{
    struct case_t {
        const char* what;
        uint8_t interior;
        uint8_t ring;
        bool seeded;
    };
    const case_t cases[] = {
        {"forest", tile::forest, tile::forest, false},
        {"mountain", tile::mountain, tile::mountain, false},
        {"high mountain", tile::mountain_high, tile::mountain_high, false},
        {"wall", tile::wall, tile::wall, false},
        {"only the outer ring acceptable", tile::wall, tile::plain, false},
        {"empty", tile::empty, tile::empty, true},
        {"water", 14, 14, true},
        {"floor", tile::floor, tile::floor, true},
        {"unnamed code", 255, 255, true},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.what);
        clear_seeded_units();
        for (int level = 0; level < 3; ++level) {
            fill_level(level, c.ring);
            for (int y = 1; y < game.world_size - 1; ++y)
                std::memset(game.world_planes + cell_index(1, y, level), c.interior, size_t(game.world_size - 2));
        }
        seed_random(11);
        seed_units();
        int alive = 0;
        for (int u = 1; u <= last_seeded; ++u) alive += game.unit_table[u].alive;
        EXPECT_EQ(alive, c.seeded ? last_seeded : 0);
    }
}

TEST_F(unit_table_test, seeding_fills_every_field_and_touches_no_other_record)
{
    unit_record& nobody = game.unit_table[0];
    nobody.alive = 1;
    nobody.sprite = 7;
    nobody.has_order = 1;
    // Leftovers in a seeded slot are overwritten.
    unit_record& reused = game.unit_table[5];
    reused.has_order = 1;
    reused.move_phase = 3;
    reused.hidden = 1;
    reused.bar_style = 2;
    reused.category = 9;
    // Records past the seeded ones, the planner's scratch record among them, keep their bytes.
    game.unit_table[256].sprite = 77;
    game.unit_table[256].x = 9;
    game.unit_table[scratch_unit].target_x = 123;
    game.unit_table[game.unit_capacity - 1].health = 5.0f;
    const std::vector<unit_record> beyond = copy_of_units(256, game.unit_capacity - 1);

    seed_random(5);
    seed_units();

    EXPECT_EQ(nobody.alive, 0);
    EXPECT_EQ(nobody.sprite, 0);
    EXPECT_EQ(nobody.has_order, 0);
    for (int u = 1; u <= last_seeded; ++u) {
        const unit_record& unit = game.unit_table[u];
        SCOPED_TRACE(u);
        EXPECT_EQ(unit.alive, 1);
        EXPECT_EQ(unit.category, 1);
        EXPECT_EQ(unit.hidden, 0);
        EXPECT_EQ(unit.has_order, 0);
        EXPECT_EQ(unit.move_phase, 0);
        EXPECT_EQ(unit.sprite, 849);
        EXPECT_EQ(unit.max_health, 24.0f);
        EXPECT_EQ(unit.health, 24.0f);
        EXPECT_EQ(unit.target_x, unit.x);
        EXPECT_EQ(unit.target_y, unit.y);
        EXPECT_EQ(unit.offset_x, 0.5f);
        EXPECT_EQ(unit.offset_y, 0.5f);
        EXPECT_EQ(unit.offset_z, 0.5f);
        EXPECT_EQ(unit.bar_style, 0);
    }
    for (int u = 256; u < game.unit_capacity; ++u)
        ASSERT_TRUE(same_bytes(game.unit_table[u], beyond[size_t(u - 256)])) << "unit " << u;
}

TEST_F(unit_table_test, each_try_draws_x_then_y_then_level)
{
    // Level 0 is all forest, so a draw of level 0 costs a unit another try.
    fill_level(0, tile::forest);
    for (uint32_t seed : {1u, 2024u}) {
        SCOPED_TRACE(seed);
        clear_seeded_units();
        seed_random(seed);
        seed_units();
        seed_random(seed);
        for (int u = 1; u <= last_seeded; ++u) {
            const placement want = replay_placement(u, [](int level) { return level != 0; });
            const unit_record& unit = game.unit_table[u];
            ASSERT_EQ(unit.x, want.x) << "unit " << u;
            ASSERT_EQ(unit.y, want.y) << "unit " << u;
            ASSERT_EQ(unit.level, want.level) << "unit " << u;
        }
    }
}

TEST_F(unit_table_test, a_level_1_of_walls_leaves_unit_1_empty_after_all_its_tries)
{
    fill_level(1, tile::wall);
    const unit_record before = game.unit_table[1];
    for (uint32_t seed : {8u, 9u, 10u}) {
        SCOPED_TRACE(seed);
        clear_seeded_units();
        game.unit_table[1] = before;
        seed_random(seed);
        seed_units();
        EXPECT_TRUE(same_bytes(game.unit_table[1], before));
        EXPECT_EQ(game.unit_table[1].alive, 0);
        EXPECT_EQ(game.unit_table[1].x, 0);
        EXPECT_EQ(game.unit_table[1].y, 0);

        // Unit 1 used its 1000 tries of three draws; unit 2 draws on from there.
        seed_random(seed);
        for (int draw = 0; draw < 3000; ++draw) next_random();
        for (int u = 2; u <= last_seeded; ++u) {
            const placement want = replay_placement(u, [](int level) { return level != 1; });
            const unit_record& unit = game.unit_table[u];
            SCOPED_TRACE(u);
            ASSERT_EQ(unit.alive, 1);
            ASSERT_NE(unit.level, 1);
            ASSERT_EQ(unit.x, want.x);
            ASSERT_EQ(unit.y, want.y);
            ASSERT_EQ(unit.level, want.level);
        }
    }
}
