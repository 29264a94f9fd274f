// The BMP loader against small files made here, one table of cases.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "assets/bmp_loader.h"
#include "test_support.h"

namespace {

enum class slot_after { loaded, kept, emptied };

struct bmp_case {
    const char* name;
    std::string file;
    bool result;
    slot_after slot;
    int32_t width = 0, height = 0;
    std::vector<uint8_t> first_pixels = {};  // the slot's first bytes, red, green, blue
};

std::vector<uint8_t> counting_bytes(size_t count, uint8_t first = 1)
{
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = uint8_t(first + i);
    return bytes;
}

std::string with_byte(std::string file, size_t at, char value)
{
    file[at] = value;
    return file;
}

// A 16 x 16 picture whose bottom-left pixel is red 10, green 20, blue 30.
std::string bottom_left_marked()
{
    std::vector<uint8_t> data(16 * 16 * 3, 200);
    data[0] = 30;
    data[1] = 20;
    data[2] = 10;
    return bmp_file(16, 16, data);
}

std::vector<bmp_case> cases()
{
    const std::string valid = bottom_left_marked();
    std::string long_header = bmp_file(2, 1, counting_bytes(6), 24, 138);
    std::string truncated = valid.substr(0, valid.size() - 1);
    return {
        {"valid 16 x 16", valid, true, slot_after::loaded, 16, 16, {10, 20, 30}},
        {"8 bits", bmp_file(4, 4, counting_bytes(48), 8), false, slot_after::kept},
        {"32 bits", bmp_file(4, 4, counting_bytes(64), 32), false, slot_after::kept},
        {"depth high byte not examined",
         with_byte(bmp_file(1, 1, {3, 2, 1}), 29, 1),
         true,
         slot_after::loaded,
         1,
         1,
         {1, 2, 3}},
        {"wrong signature", with_byte(valid, 1, 'A'), false, slot_after::kept},
        {"short header", valid.substr(0, 53), false, slot_after::kept},
        {"empty file", std::string(), false, slot_after::kept},
        {"data offset field ignored", long_header, true, slot_after::loaded, 2, 1, {3, 2, 1, 6, 5, 4}},
        // A 3 x 3 picture's rows are padded to 12 bytes in the file; the
        // loader reads 27 bytes straight, so row 1 starts with row 0's padding.
        {"3 x 3 rows read unpadded",
         bmp_file(3, 3, counting_bytes(36)),
         true,
         slot_after::loaded,
         3,
         3,
         {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}},
        {"truncated pixel data", truncated, false, slot_after::emptied},
        {"header only", bmp_file(16, 16, {}), false, slot_after::emptied},
        {"zero width", bmp_file(0, 16, {}), true, slot_after::loaded, 0, 16},
        {"zero height", bmp_file(16, 0, {}), true, slot_after::loaded, 16, 0},
        {"bytes after the pixels ignored",
         bmp_file(1, 1, {3, 2, 1, 9, 9, 9}),
         true,
         slot_after::loaded,
         1,
         1,
         {1, 2, 3}},
        {"negative width", bmp_file(-16, 16, counting_bytes(768)), false, slot_after::kept},
        {"negative height", bmp_file(16, -16, counting_bytes(768)), false, slot_after::kept},
        {"product overflows", bmp_file(65536, 65536, counting_bytes(12)), false, slot_after::kept},
        {"product overflows 64 bits", bmp_file(0x7FFFFFFF, 0x7FFFFFFF, counting_bytes(12)), false, slot_after::kept},
        {"largest picture that fits", bmp_file(1, 0x7FFFFFFF / 3, counting_bytes(12)), false, slot_after::emptied},
        {"more pixels than the file holds", bmp_file(10000, 10000, counting_bytes(12)), false,
         slot_after::emptied},
    };
}

class bmp_loader_test : public state_test {
protected:
    scratch_folder folder;
    static constexpr int slot = 17;
    // The picture every case starts from, so that "kept" can be told apart.
    void put_old_picture() { put_solid_picture(slot, 2, 2, 7, 8, 9); }
};

}  // namespace

TEST_F(bmp_loader_test, files_load_or_are_refused_as_their_header_says)
{
    for (const bmp_case& c : cases()) {
        SCOPED_TRACE(c.name);
        put_old_picture();
        const std::string path = folder.write("case.bmp", c.file).string();
        EXPECT_EQ(load_bmp(path.c_str(), slot), c.result);
        const image_slot& image = game.image_table[slot];
        switch (c.slot) {
        case slot_after::kept:
            ASSERT_NE(image.pixels, nullptr);
            EXPECT_EQ(image.width, 2);
            EXPECT_EQ(image.height, 2);
            EXPECT_EQ(image.pixels[0], 7);
            break;
        case slot_after::emptied:
            EXPECT_EQ(image.pixels, nullptr);
            EXPECT_EQ(image.width, 0);
            EXPECT_EQ(image.height, 0);
            break;
        case slot_after::loaded:
            EXPECT_EQ(image.width, c.width);
            EXPECT_EQ(image.height, c.height);
            EXPECT_EQ(image.channels, 3);
            if (!c.first_pixels.empty()) {
                ASSERT_NE(image.pixels, nullptr);
                EXPECT_EQ(std::vector<uint8_t>(image.pixels, image.pixels + c.first_pixels.size()),
                          c.first_pixels);
            }
            break;
        }
    }
}

TEST_F(bmp_loader_test, a_missing_file_leaves_the_slot_alone)
{
    put_old_picture();
    EXPECT_FALSE(load_bmp((folder.path() / "no_such.bmp").c_str(), slot));
    EXPECT_EQ(game.image_table[slot].width, 2);
    EXPECT_EQ(game.image_table[slot].pixels[2], 9);
}

TEST_F(bmp_loader_test, a_second_file_replaces_the_first)
{
    const std::string first = folder.write("first.bmp", solid_bmp(4, 4, 1, 2, 3)).string();
    const std::string second = folder.write("second.bmp", solid_bmp(8, 8, 4, 5, 6)).string();
    ASSERT_TRUE(load_bmp(first.c_str(), slot));
    ASSERT_TRUE(load_bmp(second.c_str(), slot));
    const image_slot& image = game.image_table[slot];
    EXPECT_EQ(image.width, 8);
    EXPECT_EQ(std::vector<uint8_t>(image.pixels + 189, image.pixels + 192), (std::vector<uint8_t>{4, 5, 6}));
}

TEST_F(bmp_loader_test, slots_outside_the_table_are_refused)
{
    const std::string path = folder.write("valid.bmp", solid_bmp(4, 4, 1, 2, 3)).string();
    EXPECT_FALSE(load_bmp(path.c_str(), -1));
    EXPECT_FALSE(load_bmp(path.c_str(), game.image_capacity));
    EXPECT_TRUE(load_bmp(path.c_str(), game.image_capacity - 1));
}
