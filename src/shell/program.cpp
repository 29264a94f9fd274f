#include "shell/program.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/console.h"
#include "draw/framebuffer.h"
#include "draw/screensaver.h"
#include "draw/text.h"
#include "platform/files.h"
#include "platform/input_script.h"
#include "platform/platform.h"
#include "shell/controls.h"
#include "shell/game_state.h"
#include "shell/options.h"
#include "shell/run_record.h"
#include "units/movement.h"
#include "units/unit_table.h"
#include "views/cube_view.h"
#include "views/overworld_view.h"
#include "world/overworld_map.h"
#include "world/planes.h"
#include "world/random.h"
#include "world/tile_codes.h"

namespace {

// The seed of the reseed after the features: the clock unless a run fixes it.
bool fixed_seed = false;
uint32_t seed_value = 0;

void format_line(const char* format, auto... values)
{
    std::snprintf(game.text_line, sizeof game.text_line, format, int(values)...);
}

// Start-up keeps the camera one cell further inside than the per-frame clamp.
void keep_camera_within_start_bounds()
{
    if (game.camera_x < 1) game.camera_x = 1;
    if (game.camera_y < 1) game.camera_y = 1;
    if (game.camera_level < 0) game.camera_level = 0;
    if (game.camera_x > game.world_size - 1 - game.screen_width / 16)
        game.camera_x = game.world_size - 1 - game.screen_width / 16;
    if (game.camera_y > game.world_size - 1 - game.screen_height / 16)
        game.camera_y = game.world_size - 1 - game.screen_height / 16;
    if (game.camera_level > game.level_count - 1) game.camera_level = game.level_count - 1;
}

bool read_text_file(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream contents;
    contents << in.rdbuf();
    text = contents.str();
    return true;
}

int usage_error(const std::string& message)
{
    std::fprintf(stderr, "tarnwick: %s\n%s", message.c_str(), usage_text());
    return 2;
}

// Reads the input script and settles the platform for the run; returns a
// non-zero exit status when the run cannot start.
int prepare_run(const run_options& options)
{
    bool script_ends_run = false;
    if (!options.input_file.empty()) {
        std::string text, error;
        if (!read_text_file(options.input_file, text)) {
            std::fprintf(stderr, "tarnwick: cannot read input script '%s'\n", options.input_file.c_str());
            return 2;
        }
        input_script script;
        if (!parse_input_script(text, script, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 2;
        }
        script_ends_run = script.ends_run;
        use_input_script(script);
    }
    if (options.headless && options.frames == 0 && !script_ends_run)
        return usage_error("--headless needs --frames or an --input script that presses ESCAPE");
    if (!options.data_folder.empty()) {
        std::error_code ignored;
        if (!std::filesystem::is_directory(options.data_folder, ignored)) {
            std::fprintf(stderr, "tarnwick: data folder '%s' does not exist\n", options.data_folder.c_str());
            return 2;
        }
        set_data_folder(options.data_folder);
    } else {
        set_data_folder(default_data_folder());
    }
    platform_settings settings;
    settings.headless = options.headless;
    settings.no_sleep = options.no_sleep;
    settings.frame_limit = options.frames;
    configure_platform(settings);
    fixed_seed = options.has_seed;
    seed_value = options.seed;
    return 0;
}

void warn_missed_captures(const run_options& options)
{
    for (const capture_request& capture : options.captures)
        if (capture.frame >= game.frame_counter)
            std::fprintf(stderr, "tarnwick: frame %d never ran; '%s' not written\n", capture.frame,
                         capture.file.c_str());
}

}  // namespace

bool start_up()
{
    game.world_size = 1024;
    game.plane_size = game.world_size * game.world_size;
    set_screen_mode(640, 480);
    game.pixel_zoom = 2;
    init_game_state();
    if (!open_main_window()) return false;
    load_overworld(8, 3);
    build_coarse_planes();
    scatter_features();
    seed_random(fixed_seed ? seed_value : uint32_t(std::time(nullptr)));
    game.selected_unit = 1;
    seed_units();
    camera_onto_selected_unit();
    keep_camera_within_start_bounds();
    return true;
}

void draw_status_lines()
{
    const unit_record& selected = game.unit_table[game.selected_unit];
    const unit_record& scratch = game.unit_table[scratch_unit];
    format_line("WIN32TARNWICK001EMBERVALER001UC006");
    draw_text_small(12, game.screen_height - 14, 255, 255, 0);
    format_line("http://tarnwick.example/");
    draw_text_small(12, game.screen_height - 27, 255, 255, 0);
    format_line("(c) 2026 the Tarnwick developers");
    draw_text_small(12, 14, 255, 255, 0);
    format_line("SX=%d,SY=%d,SZ=%d mx=%d my=%d su%d", game.camera_x, game.camera_y, game.camera_level,
                cursor_x(game.main_window), cursor_y(game.main_window), game.selected_unit);
    draw_text_large(12, 58, 255, 255, 0);
    format_line("movex%d movey%d rendu%d ux%d uy%d", selected.target_x, selected.target_y,
                game.pathfinder->path_step[game.selected_unit], selected.waypoint_x, selected.waypoint_y);
    draw_text_large(12, 45, 255, 255, 0);
    format_line("x%d y%d mx%d my%d us%d ux%d uy%d", scratch.x, scratch.y, scratch.target_x, scratch.target_y,
                selected.move_phase, selected.x, selected.y);
    draw_text_large(12, 32, 255, 255, 0);
}

namespace {

// The 64 x 64 corner of a coarse plane: grey for mountainous blocks, green
// for open ones. A panel wholly inside the framebuffer is written row by
// row; one that reaches past an edge goes through the clipping put_pixel.
void draw_coarse_blocks(int coarse_level)
{
    const bool inside = game.overview_x >= 0 && game.overview_y >= 0 &&
                        game.overview_x + 64 <= game.screen_width &&
                        game.overview_y + 64 <= game.screen_height;
    const uint8_t grey[3] = {128, 128, 128}, green[3] = {0, 128, 0};
    const uint32_t mountainous_word = framebuffer_word(grey), open_word = framebuffer_word(green);
    for (int j = 0; j < 64; ++j) {
        const uint8_t* row = game.world_planes + cell_index(0, j, coarse_level);
        if (inside) {
            uint8_t* target =
                game.framebuffer + (size_t(game.overview_y + j) * game.screen_width + game.overview_x) * 4;
            for (int k = 0; k < 64; ++k) {
                if (row[k] == coarse_mountainous) std::memcpy(target + 4 * k, &mountainous_word, 4);
                if (row[k] == coarse_open) std::memcpy(target + 4 * k, &open_word, 4);
            }
            continue;
        }
        for (int k = 0; k < 64; ++k) {
            const uint8_t* colour = row[k] == coarse_mountainous ? grey
                                    : row[k] == coarse_open      ? green
                                                                 : nullptr;
            if (colour) put_pixel(game.overview_x + k, game.overview_y + j, colour[0], colour[1], colour[2]);
        }
    }
}

}  // namespace

void draw_overview_panel()
{
    // The coarse plane of the current level is level camera_level + 10; from
    // level_count - 10 upward there is none, and the panel shows only the dots.
    const int coarse_level = game.camera_level + 10;
    if (coarse_level < game.level_count) draw_coarse_blocks(coarse_level);
    for (int u = 0; u < game.unit_capacity; ++u) {
        const unit_record& unit = game.unit_table[u];
        if (unit.alive != 1 || unit.level != game.camera_level) continue;
        if (unit.x < 1 || unit.x > game.world_size - 2 || unit.y < 1 || unit.y > game.world_size - 2)
            continue;
        put_pixel(game.overview_x + unit.x / 16, game.overview_y + unit.y / 16, 255, 0, 0);
    }
    put_pixel(game.overview_x + game.camera_x / 16, game.overview_y + game.camera_y / 16, 255, 255, 255);
}

void compose_frame()
{
    if (game.screensaver_mode == 1) {
        draw_screensaver();
    } else if (game.screen_width == 640) {
        draw_overworld();
    } else if (game.screen_width == 320) {
        draw_cube_view();
    }
    draw_status_lines();
    run_console();
    handle_selection_keys();
    handle_mouse_orders();
    handle_overview_key();
    if (game.overview_visible) {
        handle_panel_click();
        draw_overview_panel();
    }
    const int period = int(game.unit_step_period);
    if (period > 0 && game.frame_counter % period == 0) advance_units();
    order_random_destination();
    if (game.frame_counter % 100 == 0) wander_units();
    draw_crosshair();
}

void finish_frame()
{
    handle_window_keys();
    handle_camera_keys();
    handle_program_keys();
    while (pump_messages()) {}
    game.frame_counter += 1;
}

void run_frame()
{
    begin_frame();
    compose_frame();
    present_frame();
    finish_frame();
}

int run_program(int argc, const char* const* argv)
{
    run_options options;
    std::string error;
    switch (parse_options(argc, argv, options, error)) {
    case parse_outcome::help: std::fputs(usage_text(), stdout); return 0;
    case parse_outcome::usage_error: return usage_error(error);
    case parse_outcome::run: break;
    }
    if (int status = prepare_run(options)) return status;
    if (!start_up()) {
        free_game_state();
        return 1;
    }
    using clock = std::chrono::steady_clock;
    // A run that could not write what it was asked to write says so in its status.
    int status = 0;
    frame_timing timing;
    const clock::time_point run_start = clock::now();
    while (!game.quit_requested) {
        const clock::time_point frame_start = clock::now();
        const double slept_before = pauses_so_far().slept_ms;
        const int32_t frame = game.frame_counter;
        begin_frame();
        compose_frame();
        present_frame();
        if (!capture_requested_frames(options)) status = 1;
        finish_frame();
        const double paused_ms = pauses_so_far().slept_ms - slept_before;
        const double ms =
            std::chrono::duration<double, std::milli>(clock::now() - frame_start).count() - paused_ms;
        if (timing.slowest_frame < 0 || ms > timing.slowest_ms) {
            timing.slowest_ms = ms;
            timing.slowest_frame = frame;
        }
        timing.frames += 1;
    }
    timing.wall_seconds = std::chrono::duration<double>(clock::now() - run_start).count();
    warn_missed_captures(options);
    if (!options.report_file.empty() && !write_run_report(options.report_file, timing)) {
        std::fprintf(stderr, "tarnwick: cannot write report '%s'\n", options.report_file.c_str());
        status = 1;
    }
    free_game_state();
    return status;
}
