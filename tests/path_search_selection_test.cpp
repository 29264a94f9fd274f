// The node selection the program uses against the plain scan over every node:
// the same searches through both must expand the same nodes and store the
// same paths, on random terrain and on the generated world.
#include <random>
#include <vector>

#include "platform/files.h"
#include "test_support.h"
#include "units/path_search.h"
#include "world/overworld_map.h"
#include "world/planes.h"
#include "world/tile_codes.h"

namespace {

constexpr int32_t probe_unit = 7;

struct search_case {
    bool centred;
    int32_t window_x, window_y;  // for the given-window set-up
    int32_t start_x, start_y, goal_x, goal_y, level, side, limit;
};

struct search_outcome {
    int found, current_node, last_node, expansions;
    std::vector<int32_t> path;  // x, y pairs as stored, goal first
    int32_t first_step_x = 0, first_step_y = 0, path_step = 0;
    bool operator==(const search_outcome&) const = default;
};

void PrintTo(const search_outcome& o, std::ostream* out)
{
    *out << "found " << o.found << " current " << o.current_node << " last " << o.last_node << " expanded "
         << o.expansions << " path cells " << o.path.size() / 2 << " first step " << o.first_step_x << ","
         << o.first_step_y;
}

search_outcome search_with(uint8_t scan, const search_case& c)
{
    path_search& s = *game.pathfinder;
    s.scan_selection = scan;
    if (c.centred)
        begin_search_centred(c.start_x, c.start_y, c.goal_x, c.goal_y, c.level, c.side);
    else
        begin_search_in_window(c.window_x, c.window_y, c.start_x, c.start_y, c.goal_x, c.goal_y, c.level,
                               c.side);
    run_search(c.limit);
    search_outcome o{s.found, s.current_node, s.last_node, 0, {}};
    for (int32_t k = 0; k <= s.last_node; ++k) o.expansions += s.node_state[k] == 9;
    if (s.found == 1) {
        extract_path(probe_unit);
        for (int32_t k = 0; k < s.path_length[probe_unit]; ++k) {
            o.path.push_back(s.path_x[probe_unit * path_store_capacity + k]);
            o.path.push_back(s.path_y[probe_unit * path_store_capacity + k]);
        }
        o.first_step_x = s.first_step_x;
        o.first_step_y = s.first_step_y;
        o.path_step = s.path_step[probe_unit];
    }
    s.scan_selection = 0;
    return o;
}

// Runs the case through both selections and tells whether they agree;
// counts how many reached their goal.
void expect_same_outcome(const search_case& c, int& reached)
{
    const search_outcome by_scan = search_with(1, c);
    const search_outcome by_queue = search_with(0, c);
    EXPECT_EQ(by_queue, by_scan) << "start " << c.start_x << "," << c.start_y << " goal " << c.goal_x << ","
                                 << c.goal_y << " level " << c.level << " side " << c.side << " limit "
                                 << c.limit;
    reached += by_scan.found == 1;
}

// Terrain of every cost and kind: open ground, the corner-clear codes, dear
// codes, and codes no search may enter.
constexpr uint8_t terrain_palette[] = {
    tile::plain,    tile::plain,         tile::plain, tile::forest, tile::forest, tile::hills,
    tile::floor,    tile::road,          14,          15,           16,           17,
    tile::mountain, tile::mountain_high, 180,         tile::wall,   tile::empty,  4,
    tile::plain,    tile::plain,
};

class path_search_selection_test : public state_test {};

TEST_F(path_search_selection_test, random_terrain_gives_the_same_searches)
{
    std::mt19937 random(20261211);
    auto below = [&](int n) { return int(random() % uint32_t(n)); };
    int reached = 0;
    for (int map = 0; map < 30; ++map) {
        // A 160 x 160 patch at a level corner or in the middle, so that the
        // windows meet the level's edges too; some patches open, some cluttered.
        const int32_t level = below(3);
        const int32_t origin = map % 3 == 0 ? 0 : map % 3 == 1 ? 1024 - 160 : 400;
        const int clutter = 1 + below(6);
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < 160; ++x) {
                const int pick = below(int(sizeof terrain_palette));
                const uint8_t code = pick < int(sizeof terrain_palette) - 2 * clutter
                                         ? terrain_palette[pick % 6]
                                         : terrain_palette[pick];
                game.world_planes[cell_index(origin + x, origin + y, level)] = code;
            }
        for (int k = 0; k < 25; ++k) {
            search_case c{};
            c.centred = below(4) != 0;
            c.window_x = origin + below(120) - 20;
            c.window_y = origin + below(120) - 20;
            c.start_x = origin + below(160);
            c.start_y = origin + below(160);
            c.goal_x = c.start_x + below(90) - 45;
            c.goal_y = c.start_y + below(90) - 45;
            c.level = level;
            c.side = below(5) == 0 ? 3 + below(60) : 64;
            c.limit = below(6) == 0 ? below(c.side * c.side) : c.side * c.side;
            expect_same_outcome(c, reached);
        }
    }
    EXPECT_GT(reached, 200) << "most searches should find their goal";
}

TEST_F(path_search_selection_test, the_generated_world_gives_the_same_searches)
{
    set_data_folder(TARNWICK_DATA);
    load_overworld(8, 3);
    build_coarse_planes();
    std::mt19937 random(96);
    auto below = [&](int n) { return int(random() % uint32_t(n)); };
    int reached = 0;
    // The units' fine searches: a 64 window centred on the unit, the goal up
    // to the window's edge or beyond.
    for (int k = 0; k < 600; ++k) {
        const int32_t x = 1 + below(1022), y = 1 + below(1022);
        search_case c{true, 0, 0, x, y, x + below(80) - 40, y + below(80) - 40, below(3), 64, 64 * 64};
        expect_same_outcome(c, reached);
    }
    // The coarse searches: the whole 64 x 64 coarse map of levels 0 to 2.
    for (int k = 0; k < 150; ++k) {
        search_case c{false, 0, 0, below(64), below(64), below(64), below(64), 10 + below(3), 64, 64 * 64};
        expect_same_outcome(c, reached);
    }
    EXPECT_GT(reached, 300);
}

}  // namespace
