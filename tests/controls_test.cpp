#include "shell/controls.h"

#include "draw/framebuffer.h"
#include "shell/program.h"
#include "test_support.h"

class controls_test : public state_test {
protected:
    int64_t pause_count_before = 0;
    int64_t pause_ms_before = 0;
    void mark_pauses()
    {
        pause_count_before = pauses_so_far().count;
        pause_ms_before = pauses_so_far().milliseconds;
    }
    int64_t pauses_since() const { return pauses_so_far().count - pause_count_before; }
    int64_t pause_ms_since() const { return pauses_so_far().milliseconds - pause_ms_before; }
    void at_frame(int frame) { game.frame_counter = frame; }
    void place_unit(int u, int x, int y, int level)
    {
        game.unit_table[u].alive = 1;
        game.unit_table[u].x = uint16_t(x);
        game.unit_table[u].y = uint16_t(y);
        game.unit_table[u].level = uint16_t(level);
    }
};

TEST_F(controls_test, arrows_move_the_camera_one_cell_a_frame_up_to_the_clamp)
{
    game.camera_x = 970;
    game.camera_y = 500;
    script("0 press RIGHT\n0 press UP\n20 release RIGHT\n20 release UP\n");
    mark_pauses();
    for (int frame = 0; frame < 10; ++frame) {
        at_frame(frame);
        handle_camera_keys();
    }
    EXPECT_EQ(game.camera_x, 980);
    EXPECT_EQ(game.camera_y, 510);
    for (int frame = 10; frame < 20; ++frame) {
        at_frame(frame);
        handle_camera_keys();
    }
    EXPECT_EQ(game.camera_x, 984) << "1024 - 640 / 16";
    EXPECT_EQ(game.camera_y, 520);
    EXPECT_EQ(pauses_since(), 0);
}

TEST_F(controls_test, camera_clamp_runs_every_frame_for_the_current_mode)
{
    struct case_t {
        int width, height, x, y, level, want_x, want_y, want_level;
    };
    const case_t cases[] = {
        {640, 480, -3, -1, -2, 0, 0, 0},
        {640, 480, 2000, 2000, 500, 984, 994, 179},
        {320, 240, 2000, 2000, 179, 1004, 1009, 179},
    };
    for (const case_t& c : cases) {
        set_screen_mode(c.width, c.height);
        game.camera_x = c.x;
        game.camera_y = c.y;
        game.camera_level = c.level;
        handle_camera_keys();
        EXPECT_EQ(game.camera_x, c.want_x);
        EXPECT_EQ(game.camera_y, c.want_y);
        EXPECT_EQ(game.camera_level, c.want_level);
    }
}

TEST_F(controls_test, level_keys_pause_and_stop_at_the_last_level)
{
    script("0 press ADD\n");
    mark_pauses();
    for (int frame = 0; frame < 200; ++frame) {
        at_frame(frame);
        handle_camera_keys();
    }
    EXPECT_EQ(game.camera_level, 179);
    EXPECT_EQ(pauses_since(), 200);
    EXPECT_EQ(pause_ms_since(), 200 * 380);
    script("0 tap SUBTRACT\n");
    at_frame(0);
    handle_camera_keys();
    EXPECT_EQ(game.camera_level, 178);
}

TEST_F(controls_test, selection_keys_stay_in_range_and_jump_the_camera)
{
    struct case_t {
        const char* key;
        int from, to;
    };
    const case_t cases[] = {{"OEM_4", 0, 0}, {"OEM_4", 6, 5}, {"OEM_6", 2999, 2999}, {"OEM_6", 4, 5}};
    place_unit(5, 30, 40, 2);
    for (const case_t& c : cases) {
        game.selected_unit = c.from;
        script(std::string("0 tap ") + c.key + "\n");
        at_frame(0);
        mark_pauses();
        handle_selection_keys();
        EXPECT_EQ(game.selected_unit, c.to) << c.key << " from " << c.from;
        const unit_record& unit = game.unit_table[c.to];
        EXPECT_EQ(game.camera_x, unit.x);
        EXPECT_EQ(game.camera_y, unit.y);
        EXPECT_EQ(game.camera_level, unit.level);
        EXPECT_EQ(pause_ms_since(), 60);
    }
}

TEST_F(controls_test, speed_keys_set_the_step_period_the_last_held_wins)
{
    struct case_t {
        const char* keys;
        float period;
    };
    const case_t cases[] = {{"1", 10.0f}, {"2", 30.0f}, {"3", 60.0f}, {"1 3", 60.0f}, {"", 30.0f}};
    for (const case_t& c : cases) {
        game.unit_step_period = 30.0f;
        std::string text;
        for (const char* k = c.keys; *k; ++k)
            if (*k != ' ') text += std::string("0 tap ") + *k + "\n";
        script(text);
        at_frame(0);
        mark_pauses();
        handle_program_keys();
        EXPECT_EQ(game.unit_step_period, c.period) << c.keys;
        EXPECT_EQ(pauses_since(), 0);
    }
}

TEST_F(controls_test, escape_requests_the_end_of_the_loop)
{
    script("3 tap ESCAPE\n");
    at_frame(2);
    handle_program_keys();
    EXPECT_EQ(game.quit_requested, 0);
    at_frame(3);
    handle_program_keys();
    EXPECT_EQ(game.quit_requested, 1);
}

TEST_F(controls_test, n_toggles_the_panel_and_moves_it_under_the_cursor)
{
    open_headless_window();
    script("0 cursor 100 200\n0 tap N\n1 tap N\n");
    mark_pauses();
    at_frame(0);
    handle_overview_key();
    EXPECT_EQ(game.overview_visible, 0);
    EXPECT_EQ(game.overview_x, 100);
    EXPECT_EQ(game.overview_y, 200);
    at_frame(1);
    handle_overview_key();
    EXPECT_EQ(game.overview_visible, 1);
    EXPECT_EQ(pause_ms_since(), 700);
}

TEST_F(controls_test, right_click_on_the_panel_edge_orders_and_jumps)
{
    open_headless_window();
    game.camera_x = 10;
    game.camera_y = 20;
    // On the panel's left column: outside the strict order test, inside the click test.
    script("0 cursor 518 350\n0 tap RBUTTON\n");
    at_frame(0);
    handle_mouse_orders();
    handle_panel_click();
    const unit_record& unit = game.unit_table[1];
    EXPECT_EQ(unit.target_x, 518 / 16 + 10);
    EXPECT_EQ(unit.target_y, 350 / 16 + 20);
    EXPECT_EQ(unit.has_order, 1);
    EXPECT_EQ(game.pathfinder->path_step[1], no_path);
    EXPECT_EQ(game.camera_x, 0);
    EXPECT_EQ(game.camera_y, 12 * 16);
}

TEST_F(controls_test, clicks_that_give_no_order_and_select_nothing)
{
    open_headless_window();
    struct case_t {
        const char* what;
        int width, height, cx, cy;
    };
    const case_t cases[] = {
        {"inside the hidden panel's square", 640, 480, 530, 350},
        {"anywhere in the 3D mode", 320, 240, 10, 10},
    };
    for (const case_t& c : cases) {
        set_screen_mode(c.width, c.height);
        game.overview_visible = 0;
        game.selected_unit = 1;
        place_unit(7, c.cx / 16, c.cy / 16, 0);
        script("0 cursor " + std::to_string(c.cx) + " " + std::to_string(c.cy) +
               "\n0 tap RBUTTON\n0 tap LBUTTON\n");
        at_frame(0);
        handle_mouse_orders();
        EXPECT_EQ(game.unit_table[1].has_order, 0) << c.what;
        EXPECT_EQ(game.selected_unit, 1) << c.what;
    }
}

TEST_F(controls_test, left_click_selects_the_first_unit_on_the_cell)
{
    open_headless_window();
    place_unit(9, 3, 4, 7);  // any level counts
    place_unit(12, 3, 4, 0);
    game.unit_table[9].alive = 0;  // alive or not
    struct case_t {
        int cx, cy, camera_x, camera_y, want;
    };
    const case_t cases[] = {
        {3 * 16 + 5, 4 * 16 + 5, 0, 0, 9},  // unit 9 comes before unit 12
        {100, 100, 50, 50, 9},              // an empty cell keeps the selection
        {0, 0, 0, 0, 0},                    // cell (0, 0): unit 0, an empty record
    };
    for (const case_t& c : cases) {
        game.camera_x = c.camera_x;
        game.camera_y = c.camera_y;
        script("0 cursor " + std::to_string(c.cx) + " " + std::to_string(c.cy) + "\n0 tap LBUTTON\n");
        at_frame(0);
        handle_mouse_orders();
        EXPECT_EQ(game.selected_unit, c.want);
    }
}

TEST_F(controls_test, f5_and_f6_switch_mode_buffers_and_window)
{
    open_headless_window();
    struct case_t {
        const char* key;
        int width, height, zoom, window_width, window_height;
    };
    const case_t cases[] = {{"F5", 320, 240, 2, 640, 480}, {"F6", 640, 480, 1, 640, 480}};
    for (const case_t& c : cases) {
        script(std::string("0 tap ") + c.key + "\n");
        at_frame(0);
        handle_program_keys();
        EXPECT_EQ(game.screen_width, c.width);
        EXPECT_EQ(game.screen_height, c.height);
        EXPECT_EQ(game.pixel_zoom, c.zoom);
        ASSERT_NE(game.gl_context, nullptr);
        const screen_rect rect = window_rect(game.main_window);
        EXPECT_EQ(rect.right - rect.left, c.window_width);
        EXPECT_EQ(rect.bottom - rect.top, c.window_height);
        game.framebuffer[size_t(c.width) * c.height * 4 - 1] = 0;
        game.scratch_buffer[size_t(c.width) * c.height * 4 - 1] = 0;
    }
}

TEST_F(controls_test, zoom_keys_remake_the_window_the_last_held_wins)
{
    open_headless_window();
    script("0 tap F1\n0 tap F3\n");
    at_frame(0);
    handle_window_keys();
    EXPECT_EQ(game.pixel_zoom, 3);
    const screen_rect rect = window_rect(game.main_window);
    EXPECT_EQ(rect.right - rect.left, 640 * 3);
    EXPECT_EQ(rect.bottom - rect.top, 480 * 3);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
}

TEST_F(controls_test, crosshair_is_a_plus_sign_eleven_pixels_across)
{
    open_headless_window();
    script("0 cursor 100 50\n");
    at_frame(0);
    begin_frame();
    draw_crosshair();
    EXPECT_EQ(drawn_pixel_count(), 21);
    for (int d = -5; d <= 5; ++d) {
        EXPECT_TRUE(pixel_is(100 + d, 50, 255, 255, 255));
        EXPECT_TRUE(pixel_is(100, 50 + d, 255, 255, 255));
    }
}

TEST_F(controls_test, overview_panel_shows_coarse_blocks_units_and_camera)
{
    game.world_planes[cell_index(0, 0, 10)] = 10;
    game.world_planes[cell_index(1, 0, 10)] = 19;
    game.world_planes[cell_index(2, 0, 10)] = 7;
    place_unit(3, 40, 80, 0);
    place_unit(4, 0, 80, 0);    // on the outer ring: no dot
    place_unit(5, 500, 80, 1);  // another level: no dot
    game.camera_x = 320;
    game.camera_y = 320;
    begin_frame();
    draw_overview_panel();
    EXPECT_TRUE(pixel_is(518, 338, 0, 128, 0));
    EXPECT_TRUE(pixel_is(519, 338, 128, 128, 128));
    EXPECT_TRUE(pixel_is(518 + 2, 338 + 5, 255, 0, 0));
    EXPECT_TRUE(pixel_is(518 + 20, 338 + 20, 255, 255, 255));
    EXPECT_EQ(drawn_pixel_count(), 4);
}

TEST_F(controls_test, overview_panel_at_the_screen_edges_keeps_its_visible_blocks)
{
    // A chequered coarse plane with two corners marked, the panel moved so
    // that it sticks out of the screen on each side in turn.
    for (int j = 0; j < 64; ++j)
        for (int k = 0; k < 64; ++k) game.world_planes[cell_index(k, j, 10)] = (j + k) % 3 ? 10 : 19;
    game.camera_x = 0;
    game.camera_y = 0;
    const int positions[][2] = {{518, 338}, {-10, 100}, {600, 100}, {300, -20}, {300, 450}, {-64, 0}, {0, 0}};
    for (const auto& at : positions) {
        game.overview_x = at[0];
        game.overview_y = at[1];
        begin_frame();
        draw_overview_panel();
        int inside = 0;
        for (int j = 0; j < 64; ++j)
            for (int k = 0; k < 64; ++k) {
                const int x = at[0] + k, y = at[1] + j;
                if (x < 0 || y < 0 || x >= 640 || y >= 480 || (k == 0 && j == 0)) continue;
                inside += 1;
                const bool open = (j + k) % 3 != 0;
                ASSERT_TRUE(open ? pixel_is(x, y, 0, 128, 0) : pixel_is(x, y, 128, 128, 128))
                    << "panel at " << at[0] << "," << at[1] << " block " << k << "," << j;
            }
        const bool camera_dot_inside = at[0] >= 0 && at[1] >= 0;
        EXPECT_EQ(drawn_pixel_count(), inside + (camera_dot_inside ? 1 : 0)) << at[0] << "," << at[1];
    }
}

TEST_F(controls_test, overview_panel_on_the_last_levels_draws_only_dots)
{
    game.world_planes[cell_index(0, 0, 179)] = 10;
    place_unit(3, 40, 80, 175);
    for (int level : {170, 175, 179}) {
        game.camera_level = level;
        begin_frame();
        draw_overview_panel();
        EXPECT_EQ(drawn_pixel_count(), level == 175 ? 2 : 1) << level;
    }
}
