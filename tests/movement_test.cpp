#include "units/movement.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "shell/program.h"
#include "test_support.h"
#include "world/random.h"
#include "world/tile_codes.h"

namespace {

class movement_test : public state_test {
protected:
    void SetUp() override
    {
        state_test::SetUp();
        script("# no keys unless a test scripts some\n");
    }
    static void paint(int x0, int y0, int x1, int y1, int level, uint8_t code)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) game.world_planes[cell_index(x, y, level)] = code;
    }
    static uint8_t code_at(int x, int y, int level) { return game.world_planes[cell_index(x, y, level)]; }
    static unit_record& place_unit(int u, int x, int y, int level)
    {
        unit_record& unit = game.unit_table[u];
        unit.alive = 1;
        unit.hidden = 0;
        unit.x = uint16_t(x);
        unit.y = uint16_t(y);
        unit.level = uint16_t(level);
        return unit;
    }
    static int32_t& path_step(int u) { return game.pathfinder->path_step[u]; }
    static bool same_bytes(const unit_record& a, const unit_record& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
    static int cells_apart(int x0, int y0, int x1, int y1) { return std::max(std::abs(x1 - x0), std::abs(y1 - y0)); }
    // Passes until the unit arrives (phase 3), at most limit; the passes run.
    static int passes_to_arrive(int u, int limit)
    {
        for (int pass = 1; pass <= limit; ++pass) {
            advance_units();
            if (game.unit_table[u].move_phase == 3) return pass;
        }
        return -1;
    }
};

}  // namespace

TEST_F(movement_test, a_unit_on_its_target_at_planning_arrives_without_moving)
{
    paint(490, 490, 510, 510, 0, tile::plain);
    for (uint8_t coarse : {tile::empty, coarse_open}) {
        SCOPED_TRACE(int(coarse));
        paint(0, 0, 63, 63, 10, coarse);
        unit_record& unit = place_unit(3, 500, 500, 0);
        issue_move_order(3, 500, 500);
        advance_units();
        EXPECT_EQ(unit.move_phase, 3);
        EXPECT_EQ(unit.has_order, 1);
        EXPECT_EQ(unit.x, 500);
        EXPECT_EQ(unit.y, 500);
        EXPECT_EQ(path_step(3), no_path);
        advance_units();
        EXPECT_EQ(unit.move_phase, 3) << "an arrived unit is left alone";
    }
}

TEST_F(movement_test, a_target_three_cells_away_in_the_same_block_is_reached_on_the_third_pass)
{
    paint(490, 490, 510, 510, 0, tile::plain);
    struct case_t {
        int target_x, target_y;
    };
    // (500, 500) lies in the block of cells 496..511 along both axes.
    const case_t cases[] = {{503, 500}, {500, 497}, {502, 503}, {497, 503}};
    for (const case_t& c : cases) {
        SCOPED_TRACE(testing::Message() << c.target_x << "," << c.target_y);
        unit_record& unit = place_unit(3, 500, 500, 0);
        issue_move_order(3, c.target_x, c.target_y);
        int last_x = 500, last_y = 500;
        for (int pass = 1; pass <= 3; ++pass) {
            SCOPED_TRACE(pass);
            advance_units();
            EXPECT_EQ(unit.waypoint_x, c.target_x);
            EXPECT_EQ(unit.waypoint_y, c.target_y);
            EXPECT_EQ(cells_apart(last_x, last_y, unit.x, unit.y), 1) << "one cell a pass";
            last_x = unit.x;
            last_y = unit.y;
            const bool there = unit.x == c.target_x && unit.y == c.target_y;
            EXPECT_EQ(there, pass == 3);
            EXPECT_EQ(unit.move_phase, pass == 3 ? 2 : 1);
            EXPECT_EQ(unit.has_order, 1);
        }
        advance_units();
        EXPECT_EQ(unit.move_phase, 3);
        EXPECT_EQ(unit.x, c.target_x);
        EXPECT_EQ(unit.y, c.target_y);
    }
}

TEST_F(movement_test, a_move_order_clears_the_waypoint_and_restarts_the_plan)
{
    paint(490, 490, 510, 510, 0, tile::plain);
    place_unit(2, 500, 500, 0);
    game.unit_table[4].alive = 0;  // orders are written whether or not the slot holds a unit
    for (int u : {0, 2, 4, game.unit_capacity - 1}) {
        SCOPED_TRACE(u);
        unit_record& unit = game.unit_table[u];
        const uint8_t alive = unit.alive;
        unit.waypoint_x = 77;
        unit.waypoint_y = 88;
        unit.has_order = 0;
        unit.move_phase = 3;
        path_step(u) = 5;
        issue_move_order(u, 505, 502);
        EXPECT_EQ(unit.target_x, 505);
        EXPECT_EQ(unit.target_y, 502);
        EXPECT_EQ(unit.waypoint_x, 0);
        EXPECT_EQ(unit.waypoint_y, 0);
        EXPECT_EQ(unit.has_order, 1);
        EXPECT_EQ(unit.move_phase, 0);
        EXPECT_EQ(path_step(u), no_path);
        EXPECT_EQ(unit.alive, alive);
    }
    advance_units();
    EXPECT_EQ(game.unit_table[2].waypoint_x, 505) << "the next pass sets the waypoint";
    EXPECT_EQ(game.unit_table[2].waypoint_y, 502);
}

TEST_F(movement_test, the_a_key_orders_unit_1_somewhere_and_always_pauses)
{
    struct case_t {
        const char* keys;
        uint8_t alive;
        bool ordered;
        int pauses;
    };
    const case_t cases[] = {
        {"0 press A\n", 1, true, 1},
        {"0 press A\n", 0, false, 1},
        {"0 press B\n", 1, false, 0},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(testing::Message() << c.keys << "alive " << int(c.alive));
        script(c.keys);
        game.frame_counter = 0;
        unit_record& unit = place_unit(1, 300, 300, 1);
        unit.alive = c.alive;
        unit.target_x = 300;
        unit.target_y = 300;
        unit.waypoint_x = 9;
        unit.waypoint_y = 10;
        unit.has_order = 0;
        unit.move_phase = 3;
        path_step(1) = 4;
        const unit_record before = unit;
        const pause_totals pauses_before = pauses_so_far();
        seed_random(21);
        order_random_destination();
        EXPECT_EQ(pauses_so_far().count - pauses_before.count, c.pauses);
        EXPECT_EQ(pauses_so_far().milliseconds - pauses_before.milliseconds, 400 * c.pauses);
        seed_random(21);
        if (!c.ordered) {
            EXPECT_TRUE(same_bytes(unit, before));
            EXPECT_EQ(path_step(1), 4);
            continue;
        }
        EXPECT_EQ(unit.target_x, next_random() % 1022 + 1);
        EXPECT_EQ(unit.target_y, next_random() % 1022 + 1);
        EXPECT_EQ(unit.has_order, 1);
        EXPECT_EQ(unit.move_phase, 0);
        EXPECT_EQ(path_step(1), no_path);
        EXPECT_EQ(unit.waypoint_x, 9) << "the key leaves the waypoint";
        EXPECT_EQ(unit.waypoint_y, 10);
    }
}

TEST_F(movement_test, wander_orders_go_to_idle_and_arrived_units_from_2_on)
{
    for (int u : {0, 1, 2, 3, 4, 5, 6}) place_unit(u, 400 + u, 400, 0);
    unit_record& walking = game.unit_table[4];
    walking.has_order = 1;
    walking.move_phase = 1;
    walking.target_x = 111;
    game.unit_table[3].has_order = 1;
    game.unit_table[3].move_phase = 3;
    game.unit_table[5].hidden = 1;
    game.unit_table[6].alive = 0;
    place_unit(game.unit_capacity - 1, 10, 10, 0);
    unit_record unchanged[] = {game.unit_table[0], game.unit_table[1], game.unit_table[4], game.unit_table[6]};

    seed_random(33);
    wander_units();
    seed_random(33);
    for (int u : {2, 3, 5, game.unit_capacity - 1}) {
        SCOPED_TRACE(u);
        const unit_record& unit = game.unit_table[u];
        EXPECT_EQ(unit.target_x, next_random() % 1022 + 1);
        EXPECT_EQ(unit.target_y, next_random() % 1022 + 1);
        EXPECT_EQ(unit.has_order, 1);
        EXPECT_EQ(unit.move_phase, 0);
        EXPECT_EQ(unit.waypoint_x, 0);
        EXPECT_EQ(path_step(u), no_path);
    }
    int k = 0;
    for (int u : {0, 1, 4, 6}) EXPECT_TRUE(same_bytes(game.unit_table[u], unchanged[k++])) << u;
}

TEST_F(movement_test, a_hidden_unit_with_an_order_never_moves)
{
    paint(490, 490, 510, 510, 0, tile::plain);
    unit_record& hidden = place_unit(5, 500, 500, 0);
    hidden.hidden = 1;
    unit_record& shown = place_unit(6, 500, 500, 0);
    issue_move_order(5, 503, 500);
    issue_move_order(6, 503, 500);
    for (int pass = 0; pass < 5; ++pass) advance_units();
    EXPECT_EQ(hidden.x, 500);
    EXPECT_EQ(hidden.y, 500);
    EXPECT_EQ(hidden.move_phase, 0);
    EXPECT_EQ(hidden.has_order, 1);
    EXPECT_EQ(shown.x, 503) << "the same order moves a unit that is shown";
    EXPECT_EQ(shown.move_phase, 3);
}

TEST_F(movement_test, a_target_that_cannot_be_entered_is_searched_for_on_every_pass)
{
    paint(490, 490, 510, 510, 0, tile::plain);
    paint(503, 500, 503, 500, 0, tile::wall);
    unit_record& unit = place_unit(2, 500, 500, 0);
    issue_move_order(2, 503, 500);
    for (int pass = 0; pass < 4; ++pass) {
        advance_units();
        EXPECT_EQ(unit.move_phase, 2);
        EXPECT_EQ(unit.has_order, 1);
        EXPECT_EQ(unit.x, 500);
    }
    wander_units();
    EXPECT_EQ(unit.target_x, 503) << "a unit still on its way gets no new destination";
}

TEST_F(movement_test, with_step_period_30_the_frames_move_a_unit_one_cell_per_30_frames)
{
    paint(490, 490, 520, 510, 0, tile::plain);
    unit_record& unit = place_unit(1, 500, 500, 0);
    game.unit_step_period = 30.0f;
    issue_move_order(1, 510, 500);
    int moves = 0;
    for (int frame = 0; frame < 330; ++frame) {
        const int x = unit.x, y = unit.y;
        game.frame_counter = frame;
        compose_frame();
        if (unit.x == x && unit.y == y) continue;
        moves += 1;
        EXPECT_EQ(frame % 30, 0) << "moved in frame " << frame;
        EXPECT_EQ(cells_apart(x, y, unit.x, unit.y), 1) << "frame " << frame;
    }
    EXPECT_EQ(moves, 10);
    EXPECT_EQ(unit.x, 510);
    EXPECT_EQ(unit.move_phase, 3);
}

TEST_F(movement_test, a_unit_without_a_coarse_map_walks_straight_to_its_target)
{
    // Level 3's coarse level is empty; from level 170 on it is not in the stack.
    for (int level : {3, 170, 175, 179}) {
        SCOPED_TRACE(level);
        paint(470, 470, 530, 530, level, tile::plain);
        unit_record& unit = place_unit(2, 500, 500, level);
        issue_move_order(2, 520, 510);
        advance_units();
        EXPECT_EQ(unit.waypoint_x, 520);
        EXPECT_EQ(unit.waypoint_y, 510);
        EXPECT_EQ(passes_to_arrive(2, 40), 20) << "19 more steps, then the pass that finds it there";
        EXPECT_EQ(unit.x, 520);
        EXPECT_EQ(unit.y, 510);
        EXPECT_EQ(unit.level, level);
    }
}

TEST_F(movement_test, a_target_beyond_the_fine_window_is_reached_by_placement_when_the_path_ends)
{
    // Level 3 has no coarse map, so the target itself is the waypoint; the
    // search pulls it to the window's last column, 30 cells east, and the
    // unit is put on the target, an empty cell, once that path is walked.
    paint(470, 490, 540, 510, 3, tile::plain);
    unit_record& unit = place_unit(2, 500, 500, 3);
    issue_move_order(2, 600, 500);
    for (int pass = 1; pass <= 29; ++pass) advance_units();
    EXPECT_EQ(unit.x, 529);
    EXPECT_EQ(unit.move_phase, 1);
    advance_units();
    EXPECT_EQ(unit.x, 600);
    EXPECT_EQ(unit.y, 500);
    EXPECT_EQ(unit.move_phase, 2);
    advance_units();
    EXPECT_EQ(unit.move_phase, 3);
}

TEST_F(movement_test, units_at_the_edges_of_the_level_and_of_the_stack_stay_inside_them)
{
    struct case_t {
        int x, y, level;
        int target_x, target_y;
        bool arrives;
    };
    const case_t cases[] = {
        {1023, 1023, 0, 1005, 1005, true},
        {0, 0, 0, 15, 12, true},
        {1023, 500, 179, 1010, 500, true},
        {1023, 1023, 179, 1000, 1000, true},
        {500, 500, 180, 505, 500, false},
        {500, 500, 65535, 505, 500, false},
        {500, 500, 65526, 505, 600, false},  // its coarse number, 65536, does not fit a level field
    };
    // A level number that wrapped to 0 on the coarse map would find coarse paths here.
    paint(0, 0, 63, 63, 0, tile::plain);
    for (const case_t& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " on level " << c.level);
        if (c.level < game.level_count)
            paint(std::max(c.x - 40, 0), std::max(c.y - 40, 0), std::min(c.x + 40, 1023), std::min(c.y + 40, 1023),
                  c.level, tile::plain);
        unit_record& unit = place_unit(2, c.x, c.y, c.level);
        issue_move_order(2, c.target_x, c.target_y);
        const int passes = passes_to_arrive(2, 40);
        if (!c.arrives) {
            EXPECT_EQ(passes, -1);
            EXPECT_EQ(unit.x, c.x);
            EXPECT_EQ(unit.y, c.y);
            EXPECT_EQ(unit.has_order, 1);
            continue;
        }
        EXPECT_GT(passes, 0);
        EXPECT_EQ(unit.x, c.target_x);
        EXPECT_EQ(unit.y, c.target_y);
    }
}

TEST_F(movement_test, a_coarse_plan_puts_the_waypoint_in_the_next_block_off_the_mountains)
{
    // The coarse maps of levels 0 and 1: every block open.
    paint(0, 0, 63, 63, 10, coarse_open);
    paint(0, 0, 63, 63, 11, coarse_open);
    struct case_t {
        const char* what;
        int level;
        int target_x, target_y;
        int block_x, block_y;  // next block from (31, 31) towards the target
        int mountain_share;    // of every 4 cells of that block, this many are mountains
    };
    const case_t cases[] = {
        {"east", 0, 900, 500, 32, 31, 0},
        {"west", 0, 100, 500, 30, 31, 0},
        {"north", 0, 500, 900, 31, 32, 0},
        {"north-east", 0, 900, 900, 32, 32, 0},
        {"east, mostly mountains", 0, 900, 500, 32, 31, 3},
        {"east, all mountains", 0, 900, 500, 32, 31, 4},
        {"east on level 1, mostly mountains", 1, 900, 500, 32, 31, 3},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.what);
        paint(440, 440, 600, 600, 0, tile::plain);
        paint(440, 440, 600, 600, c.level, tile::plain);
        for (int y = 16 * c.block_y; y < 16 * c.block_y + 16; ++y)
            for (int x = 16 * c.block_x; x < 16 * c.block_x + 16; ++x) {
                if ((x + 2 * y) % 4 < c.mountain_share)
                    game.world_planes[cell_index(x, y, c.level)] = (x % 2 ? tile::mountain : tile::mountain_high);
                // Mountains on another level must not count.
                if (c.level != 0) game.world_planes[cell_index(x, y, 0)] = tile::mountain;
            }
        unit_record& unit = place_unit(2, 500, 500, c.level);
        issue_move_order(2, c.target_x, c.target_y);
        seed_random(44);
        advance_units();

        const unit_record& scratch = game.unit_table[scratch_unit];
        EXPECT_EQ(scratch.next_x, c.block_x);
        EXPECT_EQ(scratch.next_y, c.block_y);
        EXPECT_EQ(scratch.alive, 0);
        // The waypoint is the first draw of x then y in the block that is
        // no mountain, or the last of 220 draws.
        seed_random(44);
        int want_x = 0, want_y = 0;
        for (int t = 0; t < 220; ++t) {
            want_x = 16 * c.block_x + next_random() % 16;
            want_y = 16 * c.block_y + next_random() % 16;
            const uint8_t code = code_at(want_x, want_y, c.level);
            if (code != tile::mountain && code != tile::mountain_high) break;
        }
        EXPECT_EQ(unit.waypoint_x, want_x);
        EXPECT_EQ(unit.waypoint_y, want_y);
        EXPECT_EQ(unit.waypoint_x / 16, c.block_x);
        EXPECT_EQ(unit.waypoint_y / 16, c.block_y);
        const bool on_mountain = is_mountain(code_at(unit.waypoint_x, unit.waypoint_y, c.level));
        EXPECT_EQ(on_mountain, c.mountain_share == 4);
        EXPECT_EQ(unit.move_phase, 1);
        EXPECT_EQ(cells_apart(500, 500, unit.x, unit.y), 1) << "the first step is taken in the same pass";
    }
}
