// The default world the build generates: every picture the manifest names,
// in the sizes the views need, and a map that gives the program something to do.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "assets/image_sets.h"
#include "platform/files.h"
#include "test_support.h"
#include "world/overworld_map.h"
#include "world/planes.h"
#include "world/tile_codes.h"

namespace {

class default_data_test : public state_test {
protected:
    void SetUp() override
    {
        state_test::SetUp();
        set_data_folder(TARNWICK_DATA);
    }
    static bool has_colour(const image_slot& image, uint8_t r, uint8_t g, uint8_t b)
    {
        for (int64_t i = 0; i < int64_t(image.width) * image.height * 3; i += 3)
            if (image.pixels[i] == r && image.pixels[i + 1] == g && image.pixels[i + 2] == b) return true;
        return false;
    }
};

std::string file_bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST_F(default_data_test, every_picture_loads_in_the_size_its_view_needs)
{
    load_image_sets();
    for (const image_entry& entry : image_manifest) {
        const image_slot& image = game.image_table[entry.slot];
        const std::string folder = entry.folder;
        SCOPED_TRACE(folder + "/" + entry.name);
        ASSERT_NE(image.pixels, nullptr);
        EXPECT_EQ(image.width % 4, 0);
        if (folder == "bmp_cube") {
            EXPECT_EQ(image.width, 64);
            EXPECT_EQ(image.height, 64);
            EXPECT_TRUE(fits_cube_texture(image));
            EXPECT_FALSE(has_colour(image, 255, 0, 230));  // the 3D view's empty pixels
        } else if (folder == "bmp_scr") {
            EXPECT_GE(image.width, 64);
        } else {
            EXPECT_EQ(image.width, 16);
            EXPECT_EQ(image.height, 16);
        }
        if (folder == "bmp_unit") {
            // Figures on the key colour, with no pure black that would turn transparent.
            EXPECT_TRUE(has_colour(image, 255, 0, 246));
            EXPECT_FALSE(has_colour(image, 0, 0, 0));
        }
        if (folder == "bmp_land" || folder == "bmp_dungeon") {
            EXPECT_FALSE(has_colour(image, 255, 0, 246));
        }
    }
    // The road marks paths over other tiles: none of it may be keyed away.
    EXPECT_FALSE(has_colour(game.image_table[path_marker_slot], 0, 0, 0));
}

TEST_F(default_data_test, the_map_fills_three_levels_with_every_drawable_code)
{
    EXPECT_EQ(std::filesystem::file_size(overworld_file_name(8)), 3u * 1024 * 1024);
    load_overworld(8, 3);
    std::set<int> present;
    for (int64_t i = 0; i < 3 * int64_t(game.plane_size); ++i) present.insert(game.world_planes[i]);
    for (const tile_code_info& info : tile_codes) {
        if (info.slot == no_picture) continue;
        EXPECT_TRUE(present.count(info.code)) << info.name;
    }
}

TEST_F(default_data_test, the_surface_has_mountainous_and_open_blocks)
{
    load_overworld(8, 3);
    build_coarse_planes();
    int mountainous = 0, open = 0;
    for (int by = 0; by < 64; ++by)
        for (int bx = 0; bx < 64; ++bx) {
            const uint8_t code = game.world_planes[cell_index(bx, by, 10)];
            mountainous += code == coarse_mountainous;
            open += code == coarse_open;
        }
    EXPECT_GE(mountainous, 50);
    EXPECT_GE(open, 2000);
}

TEST(default_data, the_generator_draws_the_same_world_every_time)
{
    scratch_folder again;
    ASSERT_EQ(std::system((std::string(MAKE_DATA_EXE) + " " + again.path().string()).c_str()), 0);
    std::set<std::string> files;
    for (const image_entry& entry : image_manifest) files.insert(image_relative_path(entry));
    files.insert("map/8.overworld");
    for (const std::string& file : files)
        ASSERT_EQ(file_bytes(again.path() / file), file_bytes(std::filesystem::path(TARNWICK_DATA) / file))
            << file;
}
