// The map file: a plain dump of the first levels, read once at start-up.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "platform/files.h"
#include "test_support.h"
#include "world/overworld_map.h"

namespace {

class overworld_map_test : public state_test {
protected:
    scratch_folder data;
    void SetUp() override
    {
        state_test::SetUp();
        set_data_folder(data.path().string());
    }
    uint8_t cell(int x, int y, int level) const { return game.world_planes[cell_index(x, y, level)]; }
    // A map of the given length whose every byte is its offset's low bits plus one, never 0.
    void write_map(size_t length)
    {
        std::string bytes(length, '\0');
        for (size_t i = 0; i < length; ++i) bytes[i] = char(i % 251 + 1);
        data.write("map/8.overworld", bytes);
    }
    static uint8_t byte_at(size_t offset) { return uint8_t(offset % 251 + 1); }
};

constexpr size_t level_bytes = 1024 * 1024;

}  // namespace

TEST_F(overworld_map_test, each_byte_lands_on_the_cell_of_its_offset)
{
    std::string bytes(3 * level_bytes, '\0');
    bytes[level_bytes + 5 * 1024 + 7] = 19;
    data.write("map/8.overworld", bytes);
    load_overworld(8, 3);
    EXPECT_EQ(cell(7, 5, 1), 19);
    EXPECT_EQ(cell(7, 5, 0), 0);
    EXPECT_EQ(cell(5, 7, 1), 0);
}

TEST_F(overworld_map_test, files_of_any_length_fill_the_cells_in_order)
{
    struct length_case {
        size_t length;
        size_t cells_filled;
    } cases[] = {
        {0, 0},
        {1, 1},
        {level_bytes, level_bytes},
        {level_bytes + 1000, level_bytes + 1000},
        {3 * level_bytes, 3 * level_bytes},
        {4 * level_bytes, 3 * level_bytes},
    };
    for (const length_case& c : cases) {
        std::memset(game.world_planes, 0, 4 * level_bytes);
        write_map(c.length);
        const pause_totals before = pauses_so_far();
        load_overworld(8, 3);
        EXPECT_EQ(pauses_so_far().count - before.count, 1) << c.length;
        EXPECT_EQ(pauses_so_far().milliseconds - before.milliseconds, 1000) << c.length;
        std::set<size_t> offsets = {0, c.cells_filled, 3 * level_bytes - 1, 3 * level_bytes};
        if (c.cells_filled > 0) offsets.insert(c.cells_filled - 1);
        for (size_t offset : offsets) {
            const uint8_t expected = offset < c.cells_filled ? byte_at(offset) : 0;
            EXPECT_EQ(game.world_planes[offset], expected) << "length " << c.length << " offset " << offset;
        }
    }
}

TEST_F(overworld_map_test, a_missing_file_or_folder_reads_nothing_and_does_not_pause)
{
    const int64_t pauses_before = pauses_so_far().count;
    load_overworld(8, 3);
    data.write("map/7.overworld", std::string(10, '\x0A'));
    load_overworld(8, 3);
    EXPECT_EQ(pauses_so_far().count, pauses_before);
    EXPECT_EQ(cell(0, 0, 0), 0);
    EXPECT_TRUE(std::filesystem::exists(data.path() / "map"));
    // The number names the file.
    load_overworld(7, 3);
    EXPECT_EQ(cell(9, 0, 0), 0x0A);
    EXPECT_EQ(pauses_so_far().count, pauses_before + 1);
}

TEST_F(overworld_map_test, a_read_only_file_loads)
{
    write_map(100);
    std::filesystem::permissions(data.path() / "map/8.overworld", std::filesystem::perms::owner_read);
    load_overworld(8, 3);
    EXPECT_EQ(cell(99, 0, 0), byte_at(99));
}

TEST_F(overworld_map_test, never_reads_past_the_last_level_of_the_stack)
{
    write_map(10);
    load_overworld(8, game.level_count + 5);
    EXPECT_EQ(cell(9, 0, 0), byte_at(9));
}
