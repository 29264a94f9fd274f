// The path search with both selections: the heap the program uses and the
// plain scan over every node it must match. One fine search, one coarse
// search, and the step pass of frame 30, in which every wanderer plans.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench_support.h"
#include "shell/game_state.h"
#include "units/movement.h"
#include "units/unit_table.h"
#include "world/random.h"
#include "world/tile_codes.h"

namespace {

void use_selection(const benchmark::State& state)
{
    game.pathfinder->scan_selection = uint8_t(state.range(0));
}

const char* selection_name(int64_t scan)
{
    return scan ? "scan" : "queue";
}

// A plain cell near the middle of level 0, and a goal 24 columns east and
// 18 rows north of it, inside the 64 x 64 window.
void find_fine_search(int32_t& x, int32_t& y)
{
    for (y = 500; y < 900; ++y)
        for (x = 500; x < 900; ++x)
            if (game.world_planes[cell_index(x, y, 0)] == tile::plain &&
                game.world_planes[cell_index(x + 24, y + 18, 0)] == tile::plain)
                return;
}

void fine_search(benchmark::State& state)
{
    ensure_started();
    use_selection(state);
    int32_t x = 0, y = 0;
    find_fine_search(x, y);
    for (auto _ : state) {
        begin_search_centred(x, y, x + 24, y + 18, 0, 64);
        run_search(64 * 64);
        benchmark::DoNotOptimize(game.pathfinder->found);
    }
    state.SetLabel(selection_name(state.range(0)));
    game.pathfinder->scan_selection = 0;
}
BENCHMARK(fine_search)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Corner to corner of level 0's coarse map.
void coarse_search(benchmark::State& state)
{
    ensure_started();
    use_selection(state);
    for (auto _ : state) {
        begin_search_in_window(0, 0, 4, 4, 59, 59, 10, 64);
        run_search(64 * 64);
        benchmark::DoNotOptimize(game.pathfinder->found);
    }
    state.SetLabel(selection_name(state.range(0)));
    game.pathfinder->scan_selection = 0;
}
BENCHMARK(coarse_search)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The units of a run with seed 1 just before frame 30: seeded, and every
// wanderer given its first destination by frame 0's wander pass.
void reach_frame_30()
{
    std::memset(game.unit_table, 0, sizeof(unit_record) * size_t(game.unit_capacity));
    for (int32_t u = 0; u < game.unit_capacity; ++u) game.pathfinder->path_step[u] = no_path;
    seed_random(1);
    seed_units();
    advance_units();
    wander_units();
}

// Arg 0: the program's pass (queue, searches shared by two threads); 1: the
// plain form (scan, one unit after another); 2: the queue, one after another.
void frame_30_pass(benchmark::State& state)
{
    ensure_started();
    const int64_t form = state.range(0);
    game.pathfinder->scan_selection = form == 1 ? 1 : 0;
    for (auto _ : state) {
        state.PauseTiming();
        reach_frame_30();
        state.ResumeTiming();
        if (form == 0)
            advance_units();
        else
            advance_units_one_by_one();
    }
    state.SetLabel(form == 0 ? "queue, two threads" : form == 1 ? "scan, one thread" : "queue, one thread");
    game.pathfinder->scan_selection = 0;
}
BENCHMARK(frame_30_pass)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
