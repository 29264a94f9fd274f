// The picture manifest, the image sets it loads and the cube textures.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assets/image_sets.h"
#include "platform/files.h"
#include "test_support.h"

namespace {

class image_sets_test : public state_test {};

// A colour of its own for every file, so that a slot shows which file filled it.
std::vector<uint8_t> colour_of(const std::string& file)
{
    const size_t h = std::hash<std::string>{}(file);
    return {uint8_t(h), uint8_t(h >> 8), uint8_t(h >> 16 | 1)};
}

GLint texture_width(int name_index)
{
    glBindTexture(GL_TEXTURE_2D, game.texture_names[name_index]);
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    return width;
}

}  // namespace

TEST(image_manifest, slots_files_and_order)
{
    std::set<int> slots;
    std::set<std::string> files;
    std::vector<std::string> folder_runs;
    for (const image_entry& entry : image_manifest) {
        EXPECT_TRUE(slots.insert(entry.slot).second) << "slot " << entry.slot << " twice";
        EXPECT_GE(entry.slot, 0);
        EXPECT_LT(entry.slot, 3100);
        files.insert(std::string(entry.folder) + "/" + entry.name);
        if (folder_runs.empty() || folder_runs.back() != entry.folder) folder_runs.push_back(entry.folder);
    }
    EXPECT_EQ(slots.size(), 217u);
    EXPECT_EQ(files.size(), 201u);
    EXPECT_EQ(folder_runs,
              (std::vector<std::string>{"bmp_cross", "bmp_unit", "bmp_land", "bmp_dungeon", "bmp_structure",
                                        "bmp_item", "bmp_scr", "bmp_cube", "bmp_unit"}));
    std::map<int, std::string> by_slot;
    std::vector<int> order;
    for (const image_entry& entry : image_manifest) {
        by_slot[entry.slot] = std::string(entry.folder) + "/" + entry.name;
        order.push_back(entry.slot);
    }
    const std::map<int, std::string> samples = {
        {0, "bmp_item/blank"},
        {10, "bmp_land/plain"},
        {22, "bmp_land/road_b"},
        {111, "bmp_dungeon/wall"},
        {129, "bmp_dungeon/door_opened"},
        {130, "bmp_dungeon/source"},
        {160, "bmp_dungeon/source"},
        {155, "bmp_dungeon/geer_mecanism"},
        {193, "bmp_land/forest_leaf"},
        {654, "bmp_item/item_iron_ordered_battle_axe"},
        {655, "bmp_item/item_iron_rubioux_battle_axe"},
        {849, "bmp_unit/unit_mage"},
        {981, "bmp_unit/unit_mage"},
        {1000, "bmp_scr/intro1"},
        {1104, "bmp_cross/cross4"},
        {1201, "bmp_cube/brickold2"},
        {1206, "bmp_cube/DSC3"},
        {1210, "bmp_unit/unit_green_slime"},
        {1223, "bmp_unit/unit_pleidian"},
        {3001, "bmp_item/item_blue_bag"},
    };
    for (const auto& [slot, file] : samples) EXPECT_EQ(by_slot[slot], file) << "slot " << slot;
    // The bag row is read between the blades and the maces.
    const auto at = [&](int slot) { return std::find(order.begin(), order.end(), slot) - order.begin(); };
    EXPECT_EQ(at(3000), at(619) + 1);
    EXPECT_EQ(at(630), at(3001) + 1);
}

TEST_F(image_sets_test, every_file_fills_the_slots_that_name_it)
{
    scratch_folder data;
    for (const image_entry& entry : image_manifest) {
        const std::string file = image_relative_path(entry);
        const std::vector<uint8_t> c = colour_of(file);
        data.write(file, solid_bmp(4, 4, c[0], c[1], c[2]));
    }
    set_data_folder(data.path().string());
    load_image_sets();
    for (const image_entry& entry : image_manifest) {
        const image_slot& image = game.image_table[entry.slot];
        ASSERT_NE(image.pixels, nullptr) << entry.slot;
        EXPECT_EQ(image.width, 4);
        EXPECT_EQ(std::vector<uint8_t>(image.pixels, image.pixels + 3), colour_of(image_relative_path(entry)))
            << "slot " << entry.slot;
    }
    // A file of two slots gives two copies of its own.
    EXPECT_NE(game.image_table[21].pixels, game.image_table[193].pixels);
    game.image_table[21].pixels[0] ^= 0xFF;
    EXPECT_NE(game.image_table[21].pixels[0], game.image_table[193].pixels[0]);
}

TEST_F(image_sets_test, without_any_picture_every_slot_stays_empty)
{
    for (int slot = 0; slot < game.image_capacity; ++slot) {
        ASSERT_EQ(game.image_table[slot].pixels, nullptr) << slot;
        ASSERT_EQ(game.image_table[slot].width, 0) << slot;
    }
}

TEST(image_sets, cube_textures_need_a_square_of_a_power_of_two)
{
    struct shape_case {
        int width, height;
        bool fits;
    } cases[] = {{64, 64, true},  {1, 1, true},    {2, 2, true},  {128, 128, true}, {64, 32, false},
                 {32, 64, false}, {48, 48, false}, {0, 0, false}, {0, 16, false}};
    uint8_t pixel[3] = {};
    for (const shape_case& c : cases) {
        const image_slot image{pixel, c.width, c.height, 3, nullptr};
        EXPECT_EQ(fits_cube_texture(image), c.fits) << c.width << " x " << c.height;
    }
    EXPECT_FALSE(fits_cube_texture(image_slot{nullptr, 16, 16, 3, nullptr}));
}

TEST_F(image_sets_test, cube_textures_are_made_with_every_context)
{
    put_solid_picture(1200, 64, 32, 1, 2, 3);   // not square
    put_solid_picture(1201, 64, 64, 4, 5, 6);   // the wall texture
    put_solid_picture(1202, 48, 48, 7, 8, 9);   // not a power of two
    put_solid_picture(1203, 2, 2, 10, 11, 12);  // rows of 6 bytes
    open_headless_window();
    EXPECT_EQ(texture_width(0), 0);
    EXPECT_EQ(texture_width(1), 64);
    EXPECT_EQ(texture_width(2), 0);
    EXPECT_EQ(texture_width(3), 2);
    EXPECT_EQ(texture_width(4), 0);
    std::set<uint32_t> names(std::begin(game.texture_names), std::end(game.texture_names));
    EXPECT_EQ(names.size(), 32u);
    EXPECT_EQ(names.count(0), 0u);
    // Texel (1, 1) of the 2 x 2 texture: rows of an odd byte count are read unpadded.
    uint8_t texels[12] = {};
    glBindTexture(GL_TEXTURE_2D, game.texture_names[3]);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    EXPECT_EQ(texels[9], 10);
    EXPECT_EQ(texels[11], 12);
}
