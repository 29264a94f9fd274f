#include "units/path_search.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "test_support.h"
#include "world/tile_codes.h"

namespace {

constexpr int searcher = 7;  // the unit whose store the tests fill
constexpr uint8_t water = 14;
constexpr uint8_t road = tile::road;

class path_search_test : public state_test {
protected:
    path_search& search() const { return *game.pathfinder; }
    static void paint(int x0, int y0, int x1, int y1, int level, uint8_t code)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) game.world_planes[cell_index(x, y, level)] = code;
    }
    static void set_cell(int x, int y, int level, uint8_t code) { game.world_planes[cell_index(x, y, level)] = code; }
    // Plain ground 10 cells around (500, 500) on level 0.
    static void plain_patch() { paint(490, 490, 510, 510, 0, tile::plain); }
    void search_whole_window() const { run_search(search().window_side * search().window_side); }
    std::pair<int, int> stored(int unit, int k) const
    {
        const size_t at = size_t(unit) * path_store_capacity + size_t(k);
        return {search().path_x[at], search().path_y[at]};
    }
    std::pair<int, int> cell_of(int node) const { return {search().node_x[node], search().node_y[node]}; }
    // Fills a unit's store with values no search writes.
    void scribble_store(int unit) const
    {
        for (int k = 0; k < path_store_capacity; ++k) {
            search().path_x[size_t(unit) * path_store_capacity + size_t(k)] = -1000 - k;
            search().path_y[size_t(unit) * path_store_capacity + size_t(k)] = -2000 - k;
        }
        search().path_length[unit] = 42;
        search().path_step[unit] = 17;
    }
    bool store_is_scribbled(int unit) const
    {
        for (int k = 0; k < path_store_capacity; ++k)
            if (stored(unit, k) != std::pair<int, int>{-1000 - k, -2000 - k}) return false;
        return search().path_length[unit] == 42 && search().path_step[unit] == 17;
    }
};

const float diagonal = std::bit_cast<float>(0x3FB50481u);

}  // namespace

TEST_F(path_search_test, a_neighbouring_goal_is_the_whole_path_and_the_first_step)
{
    plain_patch();
    const int dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    const int dy[8] = {1, 1, 0, -1, -1, -1, 0, 1};
    for (int d = 0; d < 8; ++d) {
        SCOPED_TRACE(d);
        begin_search_centred(500, 500, 500 + dx[d], 500 + dy[d], 0, 64);
        search_whole_window();
        ASSERT_EQ(search().found, 1);
        extract_path(searcher);
        EXPECT_EQ(search().path_length[searcher], 1);
        EXPECT_EQ(search().path_step[searcher], 0);
        EXPECT_EQ(stored(searcher, 0), (std::pair<int, int>{500 + dx[d], 500 + dy[d]}));
        EXPECT_EQ(search().first_step_x, 500 + dx[d]);
        EXPECT_EQ(search().first_step_y, 500 + dy[d]);
    }
}

TEST_F(path_search_test, a_start_that_is_the_goal_finds_3_and_stores_nothing)
{
    plain_patch();
    paint(0, 0, 20, 20, 0, tile::plain);
    struct case_t {
        int start_x, start_y, goal_x, goal_y;
    };
    const case_t cases[] = {
        {500, 500, 500, 500},
        {0, 0, 1, 1},  // the start is pulled into the window's interior, onto the goal
        {-5, 3, 0, 3},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start_x << "," << c.start_y);
        scribble_store(searcher);
        begin_search_centred(c.start_x, c.start_y, c.goal_x, c.goal_y, 0, 64);
        search_whole_window();
        EXPECT_EQ(search().found, 3);
        EXPECT_EQ(search().last_node, 0);
        EXPECT_TRUE(store_is_scribbled(searcher));
    }
}

TEST_F(path_search_test, on_plain_ground_nodes_follow_the_direction_order_and_west_is_expanded_first)
{
    plain_patch();
    begin_search_centred(500, 500, 508, 500, 0, 64);
    run_search(1);
    ASSERT_EQ(search().last_node, 8);
    const int dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    const int dy[8] = {1, 1, 0, -1, -1, -1, 0, 1};
    const float orthogonal_cost = (1.0f + 1.0f) + 3.0f;
    const float diagonal_cost = (diagonal + 1.0f) + 3.0f;
    for (int d = 0; d < 8; ++d) {
        SCOPED_TRACE(d);
        EXPECT_EQ(cell_of(d + 1), (std::pair<int, int>{500 + dx[d], 500 + dy[d]}));
        EXPECT_EQ(search().node_parent[d + 1], 0);
        EXPECT_EQ(search().node_cost[d + 1], d % 2 ? diagonal_cost : orthogonal_cost);
    }
    // The diagonal step is the float nearest 1.4142, which is not the nearest to the square root of two.
    EXPECT_EQ(std::bit_cast<uint32_t>(search().dir_cost[1]), 0x3FB50481u);
    EXPECT_NE(search().node_cost[2], (float(std::sqrt(2.0)) + 1.0f) + 3.0f);
    // The four cheapest tie; the last created of them, direction 6, goes first.
    EXPECT_EQ(search().current_node, 7);
    EXPECT_EQ(cell_of(search().current_node), (std::pair<int, int>{499, 500}));
    EXPECT_EQ(search().node_state[0], 9);

    // Expanding it adds only its three western neighbours: the rest already have nodes.
    run_search(1);
    EXPECT_EQ(search().node_state[7], 9);
    ASSERT_EQ(search().last_node, 11);
    EXPECT_EQ(cell_of(9), (std::pair<int, int>{498, 499}));
    EXPECT_EQ(cell_of(10), (std::pair<int, int>{498, 500}));
    EXPECT_EQ(cell_of(11), (std::pair<int, int>{498, 501}));
    EXPECT_EQ(search().node_cost[10], (1.0f + orthogonal_cost) + 3.0f);
    EXPECT_EQ(search().current_node, 5) << "the next of the tied four, direction 4";
}

TEST_F(path_search_test, a_diagonal_step_needs_both_side_cells_corner_clear)
{
    // Two forest cells diagonal to each other; the two cells beside the
    // diagonal are the only other ground.
    struct case_t {
        uint8_t side_a, side_b;
        int length;  // 1 = the diagonal step, 2 = round through a side cell
    };
    const case_t cases[] = {
        {water, water, 2},
        {tile::plain, water, 2},
        {water, tile::forest, 2},
        {road, road, 2},
        {tile::plain, tile::plain, 1},
        {tile::forest, tile::forest, 1},
        {tile::hills, tile::floor, 1},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.side_a) << "," << int(c.side_b));
        set_cell(500, 500, 0, tile::forest);
        set_cell(501, 501, 0, tile::forest);
        set_cell(501, 500, 0, c.side_a);
        set_cell(500, 501, 0, c.side_b);
        begin_search_centred(500, 500, 501, 501, 0, 64);
        search_whole_window();
        ASSERT_EQ(search().found, 1);
        extract_path(searcher);
        ASSERT_EQ(search().path_length[searcher], c.length);
        EXPECT_EQ(stored(searcher, 0), (std::pair<int, int>{501, 501}));
        if (c.length == 2) {
            const std::pair<int, int> side = stored(searcher, 1);
            EXPECT_TRUE(side == (std::pair<int, int>{501, 500}) || side == (std::pair<int, int>{500, 501}));
        }
    }
}

TEST_F(path_search_test, a_goal_that_cannot_be_entered_is_never_reached)
{
    plain_patch();
    const int reachable = 21 * 21 - 1;  // the patch without the goal cell
    for (uint8_t code : {tile::wall, tile::empty, tile::block, uint8_t(5)}) {
        SCOPED_TRACE(int(code));
        set_cell(505, 503, 0, code);
        begin_search_centred(500, 500, 505, 503, 0, 64);
        search_whole_window();
        EXPECT_EQ(search().found, 0);
        EXPECT_EQ(search().last_node + 1, reachable);
        int expanded = 0;
        for (int n = 0; n <= search().last_node; ++n) expanded += search().node_state[n] == 9;
        EXPECT_EQ(expanded, reachable) << "every reachable cell was expanded";
    }
}

TEST_F(path_search_test, a_far_goal_is_pulled_to_the_edge_of_the_centred_window)
{
    paint(420, 420, 580, 580, 0, tile::plain);
    struct case_t {
        int goal_x, goal_y;
        int pulled_x, pulled_y;
    };
    const case_t cases[] = {
        {600, 500, 530, 500},  // start_x + 30: the last interior column
        {400, 500, 469, 500},  // start_x - 31: the first interior column
        {500, 600, 500, 530},
        {500, 400, 500, 469},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(testing::Message() << c.goal_x << "," << c.goal_y);
        begin_search_centred(500, 500, c.goal_x, c.goal_y, 0, 64);
        EXPECT_EQ(search().goal_x, c.pulled_x);
        EXPECT_EQ(search().goal_y, c.pulled_y);
        search_whole_window();
        ASSERT_EQ(search().found, 1);
        extract_path(searcher);
        EXPECT_EQ(stored(searcher, 0), (std::pair<int, int>{c.pulled_x, c.pulled_y}));
        EXPECT_EQ(search().path_length[searcher], std::abs(c.pulled_x - 500) + std::abs(c.pulled_y - 500));
    }
}

TEST_F(path_search_test, windows_are_clamped_to_the_level)
{
    struct case_t {
        const char* what;
        bool centred;
        int window_x, window_y;  // asked for (in-window set-up only)
        int start_x, start_y;
        int side;
        int want_window_x, want_window_y;
        int want_start_x, want_start_y;
    };
    const case_t cases[] = {
        {"centred in the middle", true, 0, 0, 500, 400, 64, 468, 368, 500, 400},
        {"centred at the far corner", true, 0, 0, 1020, 1020, 64, 960, 960, 1020, 1020},
        {"centred on the last cell", true, 0, 0, 1023, 1023, 64, 960, 960, 1022, 1022},
        {"centred beyond the level", true, 0, 0, 5000, -70, 64, 960, 0, 1022, 1},
        {"centred at the near corner", true, 0, 0, 3, 3, 64, 0, 0, 3, 3},
        {"centred, level-wide", true, 0, 0, 500, 500, 1024, 0, 0, 500, 500},
        {"in-window in the middle", false, 300, 200, 310, 210, 64, 300, 200, 310, 210},
        {"in-window at the far corner", false, 1000, 1000, 1010, 1010, 64, 959, 959, 1010, 1010},
        {"in-window at the far limit", false, 959, 959, 1000, 1000, 64, 959, 959, 1000, 1000},
        {"in-window before the level", false, -5, -40, 10, 10, 64, 0, 0, 10, 10},
        {"in-window, level-wide", false, 30, 30, 500, 500, 1024, 0, 0, 500, 500},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.centred)
            begin_search_centred(c.start_x, c.start_y, 0, 0, 0, c.side);
        else
            begin_search_in_window(c.window_x, c.window_y, c.start_x, c.start_y, 0, 0, 0, c.side);
        EXPECT_EQ(search().window_x, c.want_window_x);
        EXPECT_EQ(search().window_y, c.want_window_y);
        EXPECT_EQ(search().start_x, c.want_start_x);
        EXPECT_EQ(search().start_y, c.want_start_y);
        EXPECT_EQ(search().goal_x, c.want_window_x + 1) << "the goal (0, 0) is pulled into the interior";
        EXPECT_EQ(search().goal_y, c.want_window_y + 1);
        EXPECT_EQ(search().node_x[0], c.want_start_x);
        EXPECT_EQ(search().node_cost[0], 1.0f);
    }
}

TEST_F(path_search_test, a_cell_keeps_the_cost_and_parent_it_was_first_reached_with)
{
    // S is (500, 500); two road cells north of it. The road's far cell is
    // expanded (cost 5) before S's eastern neighbour (also cost 5, created
    // earlier) and reaches G diagonally at 9.4142; the eastern neighbour
    // would reach G at 9.0, but G already has its node.
    //   y 501:  road road  .
    //   y 500:   S    .    G
    plain_patch();
    set_cell(500, 501, 0, road);
    set_cell(501, 501, 0, road);
    begin_search_centred(500, 500, 502, 500, 0, 64);
    search_whole_window();
    ASSERT_EQ(search().found, 1);
    const float first_reached = (diagonal + ((1.0f + ((1.0f + 1.0f) + 1.0f)) + 1.0f)) + 3.0f;
    EXPECT_EQ(search().node_cost[search().current_node], first_reached);
    EXPECT_GT(first_reached, (1.0f + ((1.0f + 1.0f) + 3.0f)) + 3.0f) << "the route it missed is cheaper";
    extract_path(searcher);
    ASSERT_EQ(search().path_length[searcher], 3);
    EXPECT_EQ(stored(searcher, 0), (std::pair<int, int>{502, 500}));
    EXPECT_EQ(stored(searcher, 1), (std::pair<int, int>{501, 501}));
    EXPECT_EQ(stored(searcher, 2), (std::pair<int, int>{500, 501}));
}

namespace {

// The cells of a serpentine corridor through the interior of the 64-window
// at (100, 100): rows 101, 103, ... run the whole interior width, turning
// through one cell at alternate ends. Cells beside a turn are empty, so no
// diagonal cuts a corner and the only path walks every cell.
std::vector<std::pair<int, int>> serpentine_cells()
{
    std::vector<std::pair<int, int>> cells;
    for (int row = 0; row < 31; ++row) {
        const int y = 101 + 2 * row;
        for (int i = 0; i < 62; ++i) cells.push_back({row % 2 == 0 ? 101 + i : 162 - i, y});
        if (row < 30) cells.push_back({row % 2 == 0 ? 162 : 101, y + 1});
    }
    return cells;
}

}  // namespace

TEST_F(path_search_test, a_path_longer_than_a_units_store_is_refused)
{
    const std::vector<std::pair<int, int>> corridor = serpentine_cells();
    struct case_t {
        int cells;  // after the start
        int found;
    };
    const case_t cases[] = {{999, 1}, {1000, 1}, {1001, 0}, {1951, 0}};
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.cells);
        paint(100, 100, 163, 163, 0, tile::empty);
        for (int k = 0; k <= c.cells; ++k) set_cell(corridor[size_t(k)].first, corridor[size_t(k)].second, 0, tile::plain);
        const std::pair<int, int> goal = corridor[size_t(c.cells)];
        scribble_store(searcher);
        begin_search_in_window(100, 100, 101, 101, goal.first, goal.second, 0, 64);
        search_whole_window();
        EXPECT_EQ(search().found, c.found);
        if (c.found == 0) {
            EXPECT_TRUE(store_is_scribbled(searcher));
            continue;
        }
        extract_path(searcher);
        EXPECT_EQ(search().path_length[searcher], c.cells);
        EXPECT_EQ(stored(searcher, 0), goal);
        EXPECT_EQ(stored(searcher, c.cells - 1), corridor[1]);
    }
}

TEST_F(path_search_test, a_level_outside_the_stack_finds_nothing)
{
    paint(490, 490, 510, 510, 179, tile::plain);
    struct case_t {
        int level;
        int found;
    };
    const case_t cases[] = {{179, 1}, {180, 0}, {-1, 0}, {65535, 0}, {-100000, 0}};
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.level);
        scribble_store(searcher);
        begin_search_centred(500, 500, 505, 500, c.level, 64);
        search_whole_window();
        EXPECT_EQ(search().found, c.found);
        if (c.found == 0) {
            EXPECT_EQ(search().last_node, 0);
            EXPECT_TRUE(store_is_scribbled(searcher));
        }
    }
}

TEST_F(path_search_test, extraction_for_a_unit_outside_the_table_writes_nothing)
{
    plain_patch();
    begin_search_centred(500, 500, 503, 500, 0, 64);
    search_whole_window();
    ASSERT_EQ(search().found, 1);
    for (int u : {0, game.unit_capacity - 1}) scribble_store(u);
    for (int u : {-1, game.unit_capacity, 1 << 30}) extract_path(u);
    for (int u : {0, game.unit_capacity - 1}) EXPECT_TRUE(store_is_scribbled(u)) << u;
    extract_path(game.unit_capacity - 1);
    EXPECT_EQ(search().path_length[game.unit_capacity - 1], 3);
}

TEST_F(path_search_test, a_search_before_any_set_up_does_nothing)
{
    plain_patch();
    run_search(100);
    EXPECT_EQ(search().found, 0);
    EXPECT_EQ(search().last_node, 0);
    EXPECT_EQ(search().ready, 0);
}
