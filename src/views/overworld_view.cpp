#include "views/overworld_view.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "assets/image_manifest.h"
#include "draw/framebuffer.h"
#include "draw/text.h"
#include "shell/game_state.h"
#include "world/tile_codes.h"

namespace {

// The two colours the keyed blit leaves out: exactly these, nothing near them.
constexpr uint8_t key_colour_rgb[3] = {255, 0, 246};
constexpr uint8_t black_rgb[3] = {0, 0, 0};

bool is_key_colour(const uint8_t* pixel)
{
    return std::memcmp(pixel, key_colour_rgb, 3) == 0 || std::memcmp(pixel, black_rgb, 3) == 0;
}

// Copies count picture pixels, as framebuffer words, to the framebuffer.
// Rows of a whole cell are the common case and get a copy of fixed size.
template <bool keyed> void copy_words(const uint32_t* source, uint8_t* target, int32_t count)
{
    if constexpr (!keyed) {
        if (count == 16)
            std::memcpy(target, source, 16 * 4);
        else
            std::memcpy(target, source, size_t(count) * 4);
    } else {
        const uint32_t key = framebuffer_word(key_colour_rgb), black = framebuffer_word(black_rgb);
        auto picture_or = [&](int32_t c, uint32_t behind) {
            return source[c] != key && source[c] != black ? source[c] : behind;
        };
        if (count == 16) {
            // Through a local copy of the row, so that the loop has no stores
            // that could alias the picture and can be vectorised.
            uint32_t row[16];
            std::memcpy(row, target, sizeof row);
            for (int32_t c = 0; c < 16; ++c) row[c] = picture_or(c, row[c]);
            std::memcpy(target, row, sizeof row);
        } else {
            for (int32_t c = 0; c < count; ++c) {
                uint32_t pixel;
                std::memcpy(&pixel, target + 4 * c, 4);
                pixel = picture_or(c, pixel);
                std::memcpy(target + 4 * c, &pixel, 4);
            }
        }
    }
}

// The same from the picture's own red, green, blue bytes, for a slot
// without framebuffer words.
template <bool keyed> void copy_rgb(const uint8_t* source, uint8_t* target, int32_t count)
{
    for (int32_t c = 0; c < count; ++c, source += 3, target += 4) {
        if (keyed && is_key_colour(source)) continue;
        const uint32_t word = framebuffer_word(source);
        std::memcpy(target, &word, 4);
    }
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
    const int32_t count = end_column - first_column;
    if (count <= 0) return;
    for (int32_t r = first_row; r < end_row; ++r) {
        const size_t source = size_t(r) * side + first_column;
        uint8_t* target = game.framebuffer + (size_t(y + r) * game.screen_width + x + first_column) * 4;
        if (image.framebuffer_words)
            copy_words<keyed>(image.framebuffer_words + source, target, count);
        else
            copy_rgb<keyed>(image.pixels + source * 3, target, count);
    }
}

// A cell-sized picture ready to be copied row by row.
bool is_cell_picture(const image_slot& image)
{
    return image.framebuffer_words && image.width == 16 && image.height >= 16;
}

// The most cells a view can have (a 640 x 480 screen).
constexpr int32_t max_view_cells = 40 * 30;

// The terrain picture of view cell (i, j), or no_picture.
int16_t terrain_slot(int32_t i, int32_t j)
{
    const uint8_t code =
        game.world_planes[cell_index(game.camera_x + i, game.camera_y + j, game.camera_level)];
    return overworld_slot(code, game.camera_level);
}

// Finds the terrain picture of every view cell; false when one of them is
// not a cell-sized picture, so that the pictures could overlap and the order
// of drawing matters.
bool gather_cell_pictures(int16_t* slots, int32_t columns, int32_t rows)
{
    bool all_cell_sized = true;
    for (int32_t j = 0; j < rows; ++j) {
        for (int32_t i = 0; i < columns; ++i) {
            const int16_t slot = terrain_slot(i, j);
            slots[j * columns + i] = slot;
            if (slot != no_picture && !is_cell_picture(game.image_table[slot])) all_cell_sized = false;
        }
    }
    return all_cell_sized;
}

// Cell-sized pictures cannot overlap, so they are copied screen row by screen
// row, which writes the framebuffer in the order it lies in memory.
void copy_cells_by_screen_rows(const int16_t* slots, int32_t columns, int32_t rows)
{
    for (int32_t y = 0; y < 16 * rows; ++y) {
        uint8_t* target = game.framebuffer + size_t(y) * game.screen_width * 4;
        const int16_t* row_slots = slots + (y / 16) * columns;
        for (int32_t i = 0; i < columns; ++i, target += 64) {
            if (row_slots[i] == no_picture) continue;
            std::memcpy(target, game.image_table[row_slots[i]].framebuffer_words + 16 * (y % 16), 64);
        }
    }
}

// Column by column, each column bottom to top: the order that decides which
// picture shows where pictures larger than a cell overlap.
void draw_terrain()
{
    const int32_t columns = game.screen_width / 16;
    const int32_t rows = game.screen_height / 16;
    int16_t slots[max_view_cells];
    if (columns * rows <= max_view_cells && gather_cell_pictures(slots, columns, rows)) {
        copy_cells_by_screen_rows(slots, columns, rows);
        return;
    }
    for (int32_t i = 0; i < columns; ++i) {
        for (int32_t j = 0; j < rows; ++j) {
            const int16_t slot = terrain_slot(i, j);
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
