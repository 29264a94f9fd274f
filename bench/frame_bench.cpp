// One frame of the program's own drawing and logic against bare presentation,
// measured in the same run so that their ratio shows what our work costs.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench_support.h"
#include "draw/framebuffer.h"
#include "shell/game_state.h"
#include "shell/program.h"

namespace {

void frame_work(benchmark::State& state)
{
    ensure_started();
    for (auto _ : state) {
        std::memset(game.framebuffer, 0, size_t(game.screen_width) * game.screen_height * 4);
        compose_frame();
        benchmark::DoNotOptimize(game.framebuffer[0]);
        game.frame_counter += 1;
    }
}
BENCHMARK(frame_work)->Unit(benchmark::kMicrosecond);

void bare_presentation(benchmark::State& state)
{
    ensure_started();
    for (auto _ : state) present_frame();
}
BENCHMARK(bare_presentation)->Unit(benchmark::kMicrosecond);

}  // namespace
