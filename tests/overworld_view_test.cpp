// The top-down view: terrain pictures, path markers, units with bars and labels.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "draw/framebuffer.h"
#include "draw/text.h"
#include "shell/allocate.h"
#include "test_support.h"
#include "views/overworld_view.h"
#include "world/tile_codes.h"

namespace {

class overworld_view_test : public state_test {
protected:
    void SetUp() override
    {
        state_test::SetUp();
        game.camera_x = 100;
        game.camera_y = 200;
        game.camera_level = 0;
    }
    uint8_t& cell(int i, int j, int level)
    {
        return game.world_planes[cell_index(game.camera_x + i, game.camera_y + j, level)];
    }
    // Unit u standing in view cell (i, j) of the current level, drawn with slot 849.
    unit_record& place_unit(int u, int i, int j)
    {
        unit_record& unit = game.unit_table[u];
        unit.alive = 1;
        unit.category = 1;
        unit.level = uint16_t(game.camera_level);
        unit.x = uint16_t(game.camera_x + i);
        unit.y = uint16_t(game.camera_y + j);
        unit.sprite = 849;
        unit.max_health = 10.0f;
        unit.health = 10.0f;
        return unit;
    }
    void clear_framebuffer() { std::memset(game.framebuffer, 0, size_t(640) * 480 * 4); }
    // Whether every pixel of the 16 x 16 cell (i, j) of the view is r, g, b.
    bool cell_is(int i, int j, int r, int g, int b)
    {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (!pixel_is(16 * i + x, 16 * j + y, r, g, b)) return false;
        return true;
    }
    bool cell_is_black(int i, int j)
    {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (std::memcmp(game.framebuffer + pixel_offset(16 * i + x, 16 * j + y), "\0\0\0\0", 4))
                    return false;
        return true;
    }
    // The pixels a unit's label covers: its text drawn alone at (px, py + 17).
    std::vector<bool> label_mask(int u, int has_order, int px, int py)
    {
        std::vector<uint8_t> saved(game.framebuffer, game.framebuffer + size_t(640) * 480 * 4);
        clear_framebuffer();
        std::snprintf(game.text_line, sizeof game.text_line, "%d ms%d ", u, has_order);
        draw_text_small(px, py + 17, 255, 255, 255);
        std::vector<bool> mask(size_t(640) * 480);
        for (size_t i = 0; i < mask.size(); ++i) mask[i] = game.framebuffer[i * 4 + 3] != 0;
        std::memcpy(game.framebuffer, saved.data(), saved.size());
        return mask;
    }
    // Whether pixel (x, y) is r, g, b, or white where the label covers it.
    bool pixel_or_label(int x, int y, int r, int g, int b, const std::vector<bool>& mask)
    {
        return mask[size_t(y) * 640 + x] ? pixel_is(x, y, 255, 255, 255) : pixel_is(x, y, r, g, b);
    }
    // cell_is for a cell with a unit label painted over its top rows.
    bool unit_cell_is(int i, int j, int r, int g, int b, const std::vector<bool>& mask)
    {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (!pixel_or_label(16 * i + x, 16 * j + y, r, g, b, mask)) return false;
        return true;
    }
    int pixels_of_colour(int r, int g, int b)
    {
        int count = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) count += pixel_is(x, y, r, g, b);
        return count;
    }
};

// The view's blits as the plain rule states them: every pixel through
// put_pixel, a square of the picture's width, at most its height in rows.
void reference_blit(int x, int y, int slot, bool keyed)
{
    const image_slot& image = game.image_table[slot];
    const int rows = std::min(image.width, image.height);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < image.width; ++c) {
            const uint8_t* p = image.pixels + (size_t(r) * image.width + c) * 3;
            const bool key =
                (p[0] == 255 && p[1] == 0 && p[2] == 246) || (p[0] == 0 && p[1] == 0 && p[2] == 0);
            if (keyed && key) continue;
            put_pixel(x + c, y + r, p[0], p[1], p[2]);
        }
}

// A picture of varied pixels, key colours among them.
void put_varied_picture(int slot, int width, int height, uint32_t seed)
{
    std::vector<uint8_t> rgb(size_t(width) * height * 3);
    for (size_t i = 0; i < rgb.size(); i += 3) {
        seed = seed * 1664525u + 1013904223u;
        const int kind = seed >> 28;
        if (kind == 0)
            rgb[i] = 255, rgb[i + 1] = 0, rgb[i + 2] = 246;
        else if (kind == 1)
            rgb[i] = rgb[i + 1] = rgb[i + 2] = 0;
        else
            rgb[i] = uint8_t(seed >> 8), rgb[i + 1] = uint8_t(seed >> 16), rgb[i + 2] = uint8_t(seed >> 24);
    }
    put_picture(slot, width, height, rgb);
}

}  // namespace

TEST_F(overworld_view_test, terrain_shows_each_code_s_picture_for_the_level)
{
    put_solid_picture(10, 16, 16, 10, 100, 10);
    put_solid_picture(12, 16, 16, 12, 0, 0);
    put_solid_picture(17, 16, 16, 17, 0, 0);
    put_solid_picture(18, 16, 16, 18, 0, 0);
    put_solid_picture(111, 16, 16, 111, 0, 0);
    struct terrain_case {
        int level;
        uint8_t code;
        int red;  // -1: nothing drawn
    } cases[] = {{0, 10, 10},  {0, 18, 12}, {1, 18, 18}, {2, 18, 17}, {3, 18, -1}, {3, 10, 10},
                 {1, 61, 111}, {0, 25, -1}, {0, 0, -1},  {0, 4, -1},  {0, 15, -1}};
    for (const terrain_case& c : cases) {
        game.camera_level = c.level;
        cell(5, 7, c.level) = c.code;
        clear_framebuffer();
        draw_overworld();
        const int green = c.red == 10 ? 100 : 0;
        if (c.red < 0)
            EXPECT_TRUE(cell_is_black(5, 7)) << "level " << c.level << " code " << int(c.code);
        else
            EXPECT_TRUE(cell_is(5, 7, c.red, green, c.red == 10 ? 10 : 0))
                << "level " << c.level << " code " << int(c.code);
        cell(5, 7, c.level) = 0;
    }
}

TEST_F(overworld_view_test, pictures_stand_upright_and_fill_the_whole_view)
{
    std::vector<uint8_t> rgb(16 * 16 * 3, 50);
    rgb[0] = 200;                  // bottom-left pixel
    rgb[(15 * 16 + 15) * 3] = 99;  // top-right pixel
    put_picture(10, 16, 16, rgb);
    for (int j = 0; j < 30; ++j)
        for (int i = 0; i < 40; ++i) cell(i, j, 0) = 10;
    draw_overworld();
    EXPECT_TRUE(pixel_is(0, 0, 200, 50, 50));
    EXPECT_TRUE(pixel_is(15, 15, 99, 50, 50));
    EXPECT_TRUE(pixel_is(16 * 39 + 15, 16 * 29 + 15, 99, 50, 50));
    EXPECT_EQ(drawn_pixel_count(), 640 * 480);
}

TEST_F(overworld_view_test, blits_match_the_per_pixel_rule_anywhere)
{
    struct shape {
        int width, height;
    } shapes[] = {{16, 16}, {3, 3}, {16, 4}, {4, 16}, {64, 64}, {0, 16}, {16, 0}};
    const int positions[][2] = {{0, 0},     {-8, -8},   {632, 472}, {-15, 100}, {630, -3},
                                {700, 100}, {-16, -16}, {320, 479}, {639, 0},   {-40, 470}};
    std::vector<uint8_t> expected(size_t(640) * 480 * 4);
    uint32_t seed = 1;
    for (const shape& s : shapes) {
        put_varied_picture(300, s.width, s.height, seed++);
        for (const auto& at : positions)
            for (bool keyed : {false, true}) {
                std::memset(game.framebuffer, 7, expected.size());
                reference_blit(at[0], at[1], 300, keyed);
                std::memcpy(expected.data(), game.framebuffer, expected.size());
                std::memset(game.framebuffer, 7, expected.size());
                keyed ? blit_image_keyed(at[0], at[1], 300) : blit_image(at[0], at[1], 300);
                ASSERT_EQ(std::memcmp(expected.data(), game.framebuffer, expected.size()), 0)
                    << s.width << " x " << s.height << " at " << at[0] << ", " << at[1]
                    << (keyed ? " keyed" : "");
            }
    }
}

TEST_F(overworld_view_test, only_exact_key_colours_are_left_out)
{
    put_picture(300, 4, 4,
                {255, 0, 246, 0, 0, 0, 0, 0, 1, 255, 0, 245, 254, 0, 246, 9, 9, 9, 9, 9, 9, 9, 9, 9,
                 9,   9, 9,   9, 9, 9, 9, 9, 9, 9,   9, 9,   9,   9, 9,   9, 9, 9, 9, 9, 9, 9, 9, 9});
    blit_image_keyed(10, 10, 300);
    EXPECT_FALSE(pixel_is(10, 10, 255, 0, 246));
    EXPECT_FALSE(pixel_is(11, 10, 0, 0, 0));
    EXPECT_TRUE(pixel_is(12, 10, 0, 0, 1));
    EXPECT_TRUE(pixel_is(13, 10, 255, 0, 245));
    EXPECT_TRUE(pixel_is(10, 11, 254, 0, 246));
    blit_image(10, 10, 300);
    EXPECT_TRUE(pixel_is(10, 10, 255, 0, 246));
    EXPECT_TRUE(pixel_is(11, 10, 0, 0, 0));
}

TEST_F(overworld_view_test, slots_outside_the_table_or_empty_draw_nothing)
{
    for (int slot : {-1, 3100, 65535, 5}) {
        blit_image(10, 10, slot);
        blit_image_keyed(10, 10, slot);
    }
    EXPECT_EQ(drawn_pixel_count(), 0);
}

TEST_F(overworld_view_test, a_unit_shows_its_picture_health_bar_and_label)
{
    put_solid_picture(849, 16, 16, 40, 50, 60);
    unit_record& unit = place_unit(12, 3, 4);
    unit.health = 5.0f;
    unit.has_order = 1;
    draw_overworld();
    EXPECT_STREQ(game.text_line, "12 ms1 ");
    const int px = 48, py = 64;
    // The label hangs from py + 18 down over the bar and the picture's top rows.
    const std::vector<bool> label = label_mask(12, 1, px, py);
    EXPECT_TRUE(unit_cell_is(3, 4, 40, 50, 60, label));
    for (int x = px; x <= px + 7; ++x) EXPECT_TRUE(pixel_or_label(x, py + 16, 0, 255, 0, label)) << x;
    for (int x = px + 8; x <= px + 14; ++x) EXPECT_TRUE(pixel_or_label(x, py + 16, 255, 0, 0, label)) << x;
    EXPECT_FALSE(pixel_is(px + 15, py + 16, 255, 0, 0));
    int label_pixels = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            if (!label[size_t(y) * 640 + x]) continue;
            label_pixels += 1;
            EXPECT_TRUE(pixel_is(x, y, 255, 255, 255)) << x << "," << y;
        }
    EXPECT_GT(label_pixels, 20);
}

TEST_F(overworld_view_test, health_bars_by_style_and_share)
{
    struct bar_case {
        const char* name;
        uint8_t style;
        float health, max_health;
        int coloured_to;  // last coloured pixel after px; -1: red only
        int r, g, b;
    } cases[] = {
        {"full green", 0, 10.0f, 10.0f, 14, 0, 255, 0},
        {"half", 0, 5.0f, 10.0f, 7, 0, 255, 0},
        {"zero health still one pixel", 0, 0.0f, 10.0f, 0, 0, 255, 0},
        {"purple style 1", 1, 10.0f, 10.0f, 14, 96, 44, 136},
        {"purple style 3", 3, 3.0f, 6.0f, 7, 96, 44, 136},
        {"style 2 red only", 2, 10.0f, 10.0f, -1, 0, 0, 0},
        {"no max health", 0, 5.0f, 0.0f, -1, 0, 0, 0},
        {"negative max health", 0, 5.0f, -4.0f, -1, 0, 0, 0},
        {"unknown health", 0, std::numeric_limits<float>::quiet_NaN(), 10.0f, -1, 0, 0, 0},
    };
    for (const bar_case& c : cases) {
        clear_framebuffer();
        unit_record& unit = place_unit(7, 10, 10);
        unit.bar_style = c.style;
        unit.health = c.health;
        unit.max_health = c.max_health;
        draw_overworld();
        const int px = 160, row = 176;
        const std::vector<bool> label = label_mask(7, 0, px, 160);
        for (int x = px; x <= px + 14; ++x) {
            if (x <= px + c.coloured_to) {
                EXPECT_TRUE(pixel_or_label(x, row, c.r, c.g, c.b, label)) << c.name << " x " << x;
            } else {
                EXPECT_TRUE(pixel_or_label(x, row, 255, 0, 0, label)) << c.name << " x " << x;
            }
        }
    }
}

TEST_F(overworld_view_test, an_overlong_bar_is_clipped_at_the_screen_edge)
{
    unit_record& unit = place_unit(7, 10, 10);
    unit.health = 1e30f;
    draw_overworld();
    EXPECT_TRUE(pixel_is(639, 176, 0, 255, 0));
    unit.health = -1e30f;
    clear_framebuffer();
    draw_overworld();
    EXPECT_TRUE(pixel_is(0, 176, 0, 255, 0));
}

TEST_F(overworld_view_test, units_outside_the_view_or_not_shown_leave_no_pixel)
{
    put_solid_picture(849, 16, 16, 40, 50, 60);
    struct hidden_case {
        const char* name;
        int i, j;
        void (*change)(unit_record&);
    } cases[] = {
        {"one cell left", -1, 5, [](unit_record&) {}},
        {"one cell below", 5, -1, [](unit_record&) {}},
        {"one cell right", 40, 5, [](unit_record&) {}},
        {"one cell above", 5, 30, [](unit_record&) {}},
        {"hidden", 5, 5, [](unit_record& u) { u.hidden = 1; }},
        {"not alive", 5, 5, [](unit_record& u) { u.alive = 0; }},
        {"alive is not 1", 5, 5, [](unit_record& u) { u.alive = 2; }},
        {"category 2", 5, 5, [](unit_record& u) { u.category = 2; }},
        {"category 0", 5, 5, [](unit_record& u) { u.category = 0; }},
        {"another level", 5, 5, [](unit_record& u) { u.level = 1; }},
    };
    game.selected_unit = 0;  // no path markers
    for (const hidden_case& c : cases) {
        clear_framebuffer();
        std::memset(game.unit_table, 0, sizeof(unit_record) * game.unit_capacity);
        c.change(place_unit(9, c.i, c.j));
        draw_overworld();
        EXPECT_EQ(drawn_pixel_count(), 0) << c.name;
    }
    for (int category : {1, 3, 9}) {
        clear_framebuffer();
        place_unit(9, 5, 5).category = uint16_t(category);
        draw_overworld();
        EXPECT_TRUE(unit_cell_is(5, 5, 40, 50, 60, label_mask(9, 0, 80, 80))) << "category " << category;
    }
}

TEST_F(overworld_view_test, a_unit_on_the_top_row_loses_only_its_bar_and_label)
{
    put_solid_picture(849, 16, 16, 40, 50, 60);
    place_unit(9, 39, 29);
    draw_overworld();
    EXPECT_TRUE(unit_cell_is(39, 29, 40, 50, 60, label_mask(9, 0, 624, 464)));
    // The bar's row is the 481st and the label's lower rows fall inside the cell.
    EXPECT_EQ(drawn_pixel_count(), 256);
}

TEST_F(overworld_view_test, later_units_paint_over_earlier_ones)
{
    put_solid_picture(849, 16, 16, 40, 50, 60);
    put_solid_picture(850, 16, 16, 70, 80, 90);
    place_unit(30, 2, 2).sprite = 850;
    place_unit(20, 2, 2);
    draw_overworld();
    EXPECT_TRUE(unit_cell_is(2, 2, 70, 80, 90, label_mask(30, 0, 32, 32)));
}

TEST_F(overworld_view_test, the_selected_unit_s_remaining_path_is_marked_on_any_level)
{
    put_solid_picture(22, 16, 16, 200, 180, 120);
    game.selected_unit = 1;
    unit_record& unit = place_unit(1, 1, 1);
    unit.level = 2;   // markers show whatever level the unit is on
    unit.sprite = 5;  // an empty slot
    int32_t* path_x = game.pathfinder->path_x + 1 * path_store_capacity;
    int32_t* path_y = game.pathfinder->path_y + 1 * path_store_capacity;
    const int cells[][2] = {{4, 1}, {3, 1}, {2, 1}, {9, 9}};  // entry 0 is the goal
    for (int k = 0; k < 4; ++k)
        path_x[k] = game.camera_x + cells[k][0], path_y[k] = game.camera_y + cells[k][1];
    game.pathfinder->path_step[1] = 2;  // entries 2 .. 0 are still to walk
    draw_overworld();
    EXPECT_TRUE(cell_is(1, 1, 200, 180, 120));
    EXPECT_TRUE(cell_is(2, 1, 200, 180, 120));
    EXPECT_TRUE(cell_is(3, 1, 200, 180, 120));
    EXPECT_TRUE(cell_is(4, 1, 200, 180, 120));
    EXPECT_TRUE(cell_is_black(9, 9));
    game.pathfinder->path_step[1] = no_path;
    clear_framebuffer();
    draw_overworld();
    EXPECT_TRUE(cell_is(1, 1, 200, 180, 120));
    EXPECT_EQ(pixels_of_colour(200, 180, 120), 256);
    // A step beyond the unit's own store reads no further than its last entry.
    game.pathfinder->path_step[1] = path_store_capacity + 50;
    clear_framebuffer();
    draw_overworld();
    EXPECT_TRUE(cell_is(4, 1, 200, 180, 120));
    unit.alive = 0;
    clear_framebuffer();
    draw_overworld();
    EXPECT_EQ(drawn_pixel_count(), 0);
}

TEST_F(overworld_view_test, terrain_equals_the_cell_by_cell_rule_whatever_the_picture_sizes)
{
    struct picture_set {
        const char* name;
        int wide_slot_side;  // side of slot 11's picture
        bool slot_12_without_words;
    } sets[] = {{"cell-sized pictures", 16, false},
                {"one picture larger than a cell", 32, false},
                {"one picture smaller than a cell", 8, false},
                {"a picture without framebuffer words", 16, true}};
    uint32_t seed = 5;
    for (const picture_set& set : sets) {
        for (int slot : {10, 12, 13, 14, 119}) put_varied_picture(slot, 16, 16, seed++);
        put_varied_picture(11, set.wide_slot_side, set.wide_slot_side, seed++);
        if (set.slot_12_without_words) release_table(game.image_table[12].framebuffer_words);
        const uint8_t codes[] = {0, 10, 11, 12, 13, 14, 25, 60};
        for (int j = 0; j < 30; ++j)
            for (int i = 0; i < 40; ++i) cell(i, j, 0) = codes[(i * 7 + j * 13 + i * j) % 8];
        game.selected_unit = 0;
        std::vector<uint8_t> expected(size_t(640) * 480 * 4);
        clear_framebuffer();
        for (int i = 0; i < 40; ++i)
            for (int j = 0; j < 30; ++j) {
                const int16_t slot = overworld_slot(cell(i, j, 0), 0);
                if (slot != no_picture) reference_blit(16 * i, 16 * j, slot, false);
            }
        std::memcpy(expected.data(), game.framebuffer, expected.size());
        clear_framebuffer();
        draw_overworld();
        EXPECT_EQ(std::memcmp(expected.data(), game.framebuffer, expected.size()), 0) << set.name;
    }
}
