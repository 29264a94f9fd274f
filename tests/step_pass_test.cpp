// The program's step pass, which shares its searches between two threads,
// against the plain pass that takes one unit after another: the same units,
// the same stored paths and the same draws, pass after pass.
#include <cstring>
#include <vector>

#include "platform/files.h"
#include "test_support.h"
#include "units/movement.h"
#include "units/unit_table.h"
#include "world/overworld_map.h"
#include "world/planes.h"
#include "world/random.h"

namespace {

// Everything a pass can change that anyone reads afterwards, as numbers.
std::vector<int64_t> observable_state()
{
    std::vector<int64_t> state;
    const path_search& s = *game.pathfinder;
    for (int32_t u = 0; u < game.unit_capacity; ++u) {
        const unit_record& unit = game.unit_table[u];
        for (const int64_t field :
             {int64_t(unit.alive), int64_t(unit.x), int64_t(unit.y), int64_t(unit.level),
              int64_t(unit.target_x), int64_t(unit.target_y), int64_t(unit.waypoint_x),
              int64_t(unit.waypoint_y), int64_t(unit.next_x), int64_t(unit.next_y), int64_t(unit.has_order),
              int64_t(unit.move_phase), int64_t(s.path_length[u]), int64_t(s.path_step[u]),
              int64_t(s.path_goal_x[u]), int64_t(s.path_goal_y[u])})
            state.push_back(field);
        for (int32_t k = 0; k < s.path_length[u]; ++k) {
            state.push_back(s.path_x[size_t(u) * path_store_capacity + k]);
            state.push_back(s.path_y[size_t(u) * path_store_capacity + k]);
        }
    }
    state.push_back(next_random());
    return state;
}

class step_pass_test : public state_test {
protected:
    void SetUp() override
    {
        state_test::SetUp();
        set_data_folder(TARNWICK_DATA);
        load_overworld(8, 3);
        build_coarse_planes();
    }
    // Seeds the units afresh and runs frames 0 to the given frame's passes as
    // the main loop does, with the given form of the step pass.
    std::vector<std::vector<int64_t>> run_passes(void (*pass)(), int32_t last_frame)
    {
        std::memset(game.unit_table, 0, sizeof(unit_record) * size_t(game.unit_capacity));
        path_search& s = *game.pathfinder;
        for (int32_t u = 0; u < game.unit_capacity; ++u) {
            s.path_step[u] = no_path;
            s.path_length[u] = s.path_goal_x[u] = s.path_goal_y[u] = 0;
        }
        seed_random(1);
        seed_units();
        issue_move_order(1, 40, 40);  // unit 1 too, across the level
        std::vector<std::vector<int64_t>> states;
        for (int32_t frame = 0; frame <= last_frame; frame += 10) {
            pass();
            if (frame % 100 == 0) wander_units();
            // Each comparison takes one draw, the same in both runs.
            states.push_back(observable_state());
        }
        return states;
    }
};

TEST_F(step_pass_test, shared_searches_leave_what_the_one_by_one_pass_leaves)
{
    const auto plain = run_passes(advance_units_one_by_one, 400);
    const auto shared = run_passes(advance_units, 400);
    ASSERT_EQ(plain.size(), shared.size());
    for (size_t pass = 0; pass < plain.size(); ++pass) {
        ASSERT_EQ(plain[pass].size(), shared[pass].size()) << "after the pass of frame " << pass * 10;
        for (size_t i = 0; i < plain[pass].size(); ++i)
            ASSERT_EQ(plain[pass][i], shared[pass][i])
                << "entry " << i << " after the pass of frame " << pass * 10;
    }
}

}  // namespace
