#include "shell/controls.h"

#include <cstdio>

#include "draw/framebuffer.h"
#include "platform/platform.h"
#include "shell/game_state.h"
#include "units/movement.h"

namespace {

int cursor_column()
{
    return cursor_x(game.main_window);
}

int cursor_row()
{
    return cursor_y(game.main_window);
}

// Orders and selections ignore a cursor strictly inside the panel's square,
// shown or not.
bool cursor_inside_panel_square()
{
    const int cx = cursor_column();
    const int cy = cursor_row();
    return game.overview_x < cx && cx < game.overview_x + 64 && game.overview_y < cy &&
           cy < game.overview_y + 64;
}

bool cursor_on_panel()
{
    const int cx = cursor_column();
    const int cy = cursor_row();
    return game.overview_x <= cx && cx < game.overview_x + 64 && game.overview_y <= cy &&
           cy < game.overview_y + 64;
}

void select_unit_at_cursor_cell()
{
    const int x = cursor_column() / 16 + game.camera_x;
    const int y = cursor_row() / 16 + game.camera_y;
    for (int u = 0; u < game.unit_capacity; ++u) {
        if (game.unit_table[u].x == x && game.unit_table[u].y == y) {
            game.selected_unit = u;
            return;
        }
    }
}

void change_zoom(int zoom)
{
    kill_gl_window();
    game.pixel_zoom = zoom;
    char title[10];
    std::snprintf(title, sizeof title, "TARNWICK");
    create_gl_window(title, game.screen_width * game.pixel_zoom, game.screen_height * game.pixel_zoom);
    hide_system_cursor();
}

void change_screen_mode(int width, int height, int zoom)
{
    set_screen_mode(width, height);
    game.pixel_zoom = zoom;
    kill_gl_window();
    open_main_window();
}

void clamp_camera()
{
    const int max_y = game.world_size - game.screen_height / 16;
    const int max_x = game.world_size - game.screen_width / 16;
    if (game.camera_y > max_y) game.camera_y = max_y;
    if (game.camera_y < 0) game.camera_y = 0;
    if (game.camera_x > max_x) game.camera_x = max_x;
    if (game.camera_x < 0) game.camera_x = 0;
    if (game.camera_level > game.level_count - 1) game.camera_level = game.level_count - 1;
    if (game.camera_level < 0) game.camera_level = 0;
}

}  // namespace

void camera_onto_selected_unit()
{
    const unit_record& unit = game.unit_table[game.selected_unit];
    game.camera_x = unit.x;
    game.camera_y = unit.y;
    game.camera_level = unit.level;
}

void handle_selection_keys()
{
    if (key_down(vk_oem_4)) {
        if (game.selected_unit > 0) game.selected_unit -= 1;
        camera_onto_selected_unit();
        pause_ms(60);
    }
    if (key_down(vk_oem_6)) {
        if (game.selected_unit < game.unit_capacity - 1) game.selected_unit += 1;
        camera_onto_selected_unit();
        pause_ms(60);
    }
}

void handle_mouse_orders()
{
    if (game.screen_width != 640) return;
    if (key_down(vk_rbutton) && !cursor_inside_panel_square())
        issue_move_order(game.selected_unit, cursor_column() / 16 + game.camera_x,
                         cursor_row() / 16 + game.camera_y);
    if (key_down(vk_lbutton) && !cursor_inside_panel_square()) select_unit_at_cursor_cell();
}

void handle_overview_key()
{
    if (!key_down('N')) return;
    game.overview_visible = game.overview_visible ? 0 : 1;
    game.overview_x = cursor_column();
    game.overview_y = cursor_row();
    pause_ms(350);
}

void handle_panel_click()
{
    if (!key_down(vk_rbutton) || !cursor_on_panel()) return;
    game.camera_x = (cursor_column() - game.overview_x) * 16;
    game.camera_y = (cursor_row() - game.overview_y) * 16;
}

void handle_window_keys()
{
    for (int zoom = 1; zoom <= 4; ++zoom)
        if (key_down(vk_f1 + zoom - 1)) change_zoom(zoom);
    if (key_down('M'))
        move_window_to_cursor(game.screen_width * game.pixel_zoom, game.screen_height * game.pixel_zoom);
}

void handle_camera_keys()
{
    if (key_down(vk_up)) game.camera_y += 1;
    if (key_down(vk_down)) game.camera_y -= 1;
    if (key_down(vk_right)) game.camera_x += 1;
    if (key_down(vk_left)) game.camera_x -= 1;
    if (key_down(vk_add)) {
        game.camera_level += 1;
        pause_ms(380);
    }
    if (key_down(vk_subtract)) {
        game.camera_level -= 1;
        pause_ms(380);
    }
    clamp_camera();
}

void handle_program_keys()
{
    if (key_down(vk_escape)) game.quit_requested = 1;
    if (key_down(vk_f5)) change_screen_mode(320, 240, 2);
    if (key_down(vk_f6)) change_screen_mode(640, 480, 1);
    if (key_down('1')) game.unit_step_period = 10.0f;
    if (key_down('2')) game.unit_step_period = 30.0f;
    if (key_down('3')) game.unit_step_period = 60.0f;
}

void draw_crosshair()
{
    const int cx = cursor_column();
    const int cy = cursor_row();
    draw_line(cx, cy, cx + 5, cy, 255, 255, 255);
    draw_line(cx, cy, cx, cy + 5, 255, 255, 255);
    draw_line(cx, cy, cx - 5, cy, 255, 255, 255);
    draw_line(cx, cy, cx, cy - 5, 255, 255, 255);
}
