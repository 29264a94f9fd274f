#include "views/overworld_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "assets/image_manifest.h"
#include "draw/framebuffer.h"
#include "draw/text.h"
#include "shell/game_state.h"
#include "world/tile_codes.h"

namespace {

bool is_key_colour(const uint8_t* pixel)
{
    return (pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 246) ||
           (pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0);
}

// Copies the part of the picture that lands inside the framebuffer, row by
// row; the same pixels as writing each one with put_pixel.
template <bool keyed> void copy_picture(int32_t x, int32_t y, int32_t slot)
{
    if (slot < 0 || slot >= game.image_capacity || !game.framebuffer) return;
    const image_slot& image = game.image_table[slot];
    if (!image.pixels || image.width <= 0) return;
    const int32_t side = image.width;
    const int32_t rows = std::min(side, image.height);
    const int32_t first_row = std::max(0, -y);
    const int32_t end_row = std::min(rows, game.screen_height - y);
    const int32_t first_column = std::max(0, -x);
    const int32_t end_column = std::min(side, game.screen_width - x);
    for (int32_t r = first_row; r < end_row; ++r) {
        const uint8_t* source = image.pixels + (size_t(r) * side + first_column) * 3;
        uint8_t* target = game.framebuffer + (size_t(y + r) * game.screen_width + x + first_column) * 4;
        for (int32_t c = first_column; c < end_column; ++c, source += 3, target += 4) {
            if (keyed && is_key_colour(source)) continue;
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
            target[3] = 255;
        }
    }
}

void draw_terrain()
{
    const int32_t columns = game.screen_width / 16;
    const int32_t rows = game.screen_height / 16;
    for (int32_t i = 0; i < columns; ++i) {
        for (int32_t j = 0; j < rows; ++j) {
            const uint8_t code =
                game.world_planes[cell_index(game.camera_x + i, game.camera_y + j, game.camera_level)];
            const int16_t slot = overworld_slot(code, game.camera_level);
            if (slot != no_picture) blit_image(16 * i, 16 * j, slot);
        }
    }
}

void draw_path_marker(int32_t cell_x, int32_t cell_y)
{
    blit_image_keyed(16 * (cell_x - game.camera_x), 16 * (cell_y - game.camera_y), path_marker_slot);
}

// The cells the selected unit has still to walk, and its own cell, on
// whatever level it stands.
void draw_selected_path()
{
    const int32_t s = game.selected_unit;
    if (s < 0 || s >= game.unit_capacity) return;
    const unit_record& unit = game.unit_table[s];
    if (unit.alive != 1) return;
    const path_search& search = *game.pathfinder;
    const int32_t last_entry = std::min(search.path_step[s], path_store_capacity - 1);
    const int32_t* path_x = search.path_x + size_t(s) * path_store_capacity;
    const int32_t* path_y = search.path_y + size_t(s) * path_store_capacity;
    for (int32_t k = last_entry; k >= 0; --k) draw_path_marker(path_x[k], path_y[k]);
    draw_path_marker(unit.x, unit.y);
}

bool unit_is_shown(const unit_record& unit)
{
    if (unit.alive != 1 || unit.hidden != 0) return false;
    if (unit.category != 1 && unit.category != 3 && unit.category != 9) return false;
    if (unit.level != game.camera_level) return false;
    const int32_t column = unit.x - game.camera_x;
    const int32_t row = unit.y - game.camera_y;
    return column >= 0 && column < game.screen_width / 16 && row >= 0 && row < game.screen_height / 16;
}

// The far end of the coloured part of a health bar that starts at px: the
// health's share of 14 pixels. Without a positive max_health there is no
// share to show (false). Ends far off the screen are brought to its edge,
// which leaves the drawn pixels as they are.
bool health_bar_end(int32_t px, const unit_record& unit, int32_t& end)
{
    if (!(unit.max_health > 0.0f)) return false;
    const float share_end = float(px) + unit.health * 14.0f / unit.max_health;
    if (std::isnan(share_end)) return false;
    end = int32_t(std::clamp(share_end, -1.0f, float(game.screen_width)));
    return true;
}

void draw_health_bar(int32_t px, int32_t py, const unit_record& unit)
{
    draw_line(px, py + 16, px + 14, py + 16, 255, 0, 0);
    int32_t end = 0;
    if (!health_bar_end(px, unit, end)) return;
    if (unit.bar_style == 0) draw_line(px, py + 16, end, py + 16, 0, 255, 0);
    if (unit.bar_style == 1 || unit.bar_style == 3) draw_line(px, py + 16, end, py + 16, 96, 44, 136);
}

void draw_unit(int32_t u, const unit_record& unit)
{
    const int32_t px = 16 * (unit.x - game.camera_x);
    const int32_t py = 16 * (unit.y - game.camera_y);
    blit_image_keyed(px, py, unit.sprite);
    draw_health_bar(px, py, unit);
    std::snprintf(game.text_line, sizeof game.text_line, "%d ms%d ", int(u), int(unit.has_order));
    draw_text_small(px, py + 17, 255, 255, 255);
}

void draw_units()
{
    for (int32_t u = 0; u < game.unit_capacity; ++u) {
        const unit_record& unit = game.unit_table[u];
        if (unit_is_shown(unit)) draw_unit(u, unit);
    }
}

}  // namespace

void blit_image(int32_t x, int32_t y, int32_t slot)
{
    copy_picture<false>(x, y, slot);
}

void blit_image_keyed(int32_t x, int32_t y, int32_t slot)
{
    copy_picture<true>(x, y, slot);
}

void draw_overworld()
{
    draw_terrain();
    draw_selected_path();
    draw_units();
}
