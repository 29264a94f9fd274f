// One overworld frame on the generated world against a clear of the
// framebuffer, measured in the same run: the frame should cost at most a
// few clears.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench_support.h"
#include "shell/controls.h"
#include "shell/game_state.h"
#include "shell/program.h"
#include "views/overworld_view.h"

namespace {

size_t framebuffer_bytes()
{
    return size_t(game.screen_width) * game.screen_height * 4;
}

// A busy view: the camera over the middle of the surface, forty units in
// sight and the selected unit with a long path across the screen.
void set_busy_view()
{
    game.camera_x = 500;
    game.camera_y = 500;
    game.camera_level = 0;
    game.selected_unit = 1;
    for (int u = 1; u <= 40; ++u) {
        unit_record& unit = game.unit_table[u];
        unit.alive = 1;
        unit.category = 1;
        unit.level = 0;
        unit.x = uint16_t(game.camera_x + (u * 7) % 40);
        unit.y = uint16_t(game.camera_y + (u * 11) % 30);
        unit.sprite = 849;
        unit.max_health = 10.0f;
        unit.health = float(u % 10);
    }
    int32_t* path_x = game.pathfinder->path_x + path_store_capacity;
    int32_t* path_y = game.pathfinder->path_y + path_store_capacity;
    for (int k = 0; k < 60; ++k) {
        path_x[k] = game.camera_x + k % 40;
        path_y[k] = game.camera_y + k / 2;
    }
    game.pathfinder->path_step[1] = 59;
}

void framebuffer_clear(benchmark::State& state)
{
    ensure_started();
    for (auto _ : state) {
        std::memset(game.framebuffer, 0, framebuffer_bytes());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(framebuffer_clear)->Unit(benchmark::kMicrosecond);

// Everything the 640 x 480 mode draws in a frame after the clear: the same
// pixels land on every pass, so the passes need no clear between them.
void overworld_frame(benchmark::State& state)
{
    ensure_started();
    set_busy_view();
    for (auto _ : state) {
        draw_overworld();
        draw_status_lines();
        draw_overview_panel();
        draw_crosshair();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(overworld_frame)->Unit(benchmark::kMicrosecond);

}  // namespace
