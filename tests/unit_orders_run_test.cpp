// A right-click order for unit 1, carried out by the real program on the
// generated world.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "world/tile_codes.h"

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The whole number after "key": inside the text, or -1 when the key is missing.
int number_after(const std::string& text, const std::string& key)
{
    const size_t at = text.find("\"" + key + "\": ");
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + key.size() + 4);
}

// The report's record of unit 1, braces included.
std::string unit_1_of(const std::string& report)
{
    const size_t from = report.find("\"unit_1\": {");
    if (from == std::string::npos) return "";
    return report.substr(from, report.find('}', from) - from + 1);
}

struct cell {
    int x, y;
};

class unit_orders_run_test : public ::testing::Test {
protected:
    fs::path folder;
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 (std::string("tarnwick_orders_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Runs the program on the generated world with seed 1 and the given key
    // script; returns its report.
    std::string run_with_keys(const std::string& keys) const
    {
        std::ofstream(folder / "keys.txt") << keys;
        const std::string command = std::string(TARNWICK_EXE) + " --headless --no-sleep --seed 1 --data " +
                                    TARNWICK_DATA + " --input " + (folder / "keys.txt").string() + " --report " +
                                    (folder / "r.json").string() + " >" + (folder / "out.txt").string() + " 2>&1";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << read_file(folder / "out.txt");
        return read_file(folder / "r.json");
    }
};

// Level 1 of the generated map.
std::vector<uint8_t> level_1_codes()
{
    const std::string bytes = read_file(fs::path(TARNWICK_DATA) / "map" / "8.overworld");
    const size_t level = 1024 * 1024;
    if (bytes.size() < 2 * level) return {};
    return std::vector<uint8_t>(bytes.begin() + level, bytes.begin() + 2 * level);
}

// The enterable cell farthest from the start, counting orthogonal steps, that
// lies in the start's 16 x 16 block and on the first picture (40 x 30 cells
// from the camera), away from the overview panel's square. Orthogonal steps
// are never refused, so the unit can walk there; in its own block it heads
// for the cell directly.
struct pick {
    cell target;
    int steps;
};
pick farthest_cell_in_block(const std::vector<uint8_t>& codes, cell start, cell camera)
{
    const int block_x = start.x / 16 * 16, block_y = start.y / 16 * 16;
    auto usable = [&](int x, int y) {
        if (x < block_x || x >= block_x + 16 || y < block_y || y >= block_y + 16) return false;
        if (x < camera.x || x >= camera.x + 40 || y < camera.y || y >= camera.y + 30) return false;
        const int px = (x - camera.x) * 16 + 8, py = (y - camera.y) * 16 + 8;
        if (px > 518 - 16 && px < 582 + 16 && py > 338 - 16 && py < 402 + 16) return false;
        return !is_unenterable(codes[size_t(y) * 1024 + size_t(x)]);
    };
    std::vector<int> distance(1024 * 1024, -1);
    std::deque<cell> queue{start};
    distance[size_t(start.y) * 1024 + size_t(start.x)] = 0;
    pick best{start, 0};
    while (!queue.empty()) {
        const cell c = queue.front();
        queue.pop_front();
        const int d = distance[size_t(c.y) * 1024 + size_t(c.x)];
        if (d > best.steps) best = {c, d};
        const cell next[4] = {{c.x + 1, c.y}, {c.x - 1, c.y}, {c.x, c.y + 1}, {c.x, c.y - 1}};
        for (const cell& n : next) {
            if (!usable(n.x, n.y) || distance[size_t(n.y) * 1024 + size_t(n.x)] >= 0) continue;
            distance[size_t(n.y) * 1024 + size_t(n.x)] = d + 1;
            queue.push_back(n);
        }
    }
    return best;
}

}  // namespace

TEST_F(unit_orders_run_test, a_right_click_near_unit_1_walks_it_onto_the_clicked_cell)
{
    // A short first run shows where unit 1 starts and where the camera is.
    const std::string first = run_with_keys("2 tap ESCAPE\n");
    const std::string start_record = unit_1_of(first);
    ASSERT_FALSE(start_record.empty()) << first;
    const cell start{number_after(start_record, "x"), number_after(start_record, "y")};
    const cell camera{number_after(first, "camera_x"), number_after(first, "camera_y")};
    ASSERT_EQ(number_after(start_record, "level"), 1);
    ASSERT_EQ(camera.x, start.x) << "the camera starts on unit 1";
    ASSERT_EQ(camera.y, start.y);

    const std::vector<uint8_t> codes = level_1_codes();
    ASSERT_FALSE(codes.empty());
    const pick choice = farthest_cell_in_block(codes, start, camera);
    ASSERT_GE(std::max(std::abs(choice.target.x - start.x), std::abs(choice.target.y - start.y)), 3)
        << "unit 1 needs room for three steps in its block";
    const int cursor_x = (choice.target.x - camera.x) * 16 + 8, cursor_y = (choice.target.y - camera.y) * 16 + 8;
    const std::string order = "0 tap 1  # a step every 10 frames\n"
                              "1 cursor " + std::to_string(cursor_x) + " " + std::to_string(cursor_y) + "\n"
                              "1 tap RBUTTON\n";

    // Two step passes (frames 10 and 20) after the click: two cells on the way.
    const std::string early = unit_1_of(run_with_keys(order + "25 tap ESCAPE\n"));
    const int early_x = number_after(early, "x"), early_y = number_after(early, "y");
    EXPECT_EQ(number_after(early, "target_x"), choice.target.x) << early;
    EXPECT_EQ(number_after(early, "target_y"), choice.target.y) << early;
    EXPECT_EQ(number_after(early, "move_phase"), 1) << early;
    EXPECT_EQ(number_after(early, "has_order"), 1) << early;
    const int moved = std::max(std::abs(early_x - start.x), std::abs(early_y - start.y));
    EXPECT_GE(moved, 1) << early;
    EXPECT_LE(moved, 2) << early;

    // A pass per cell of the path, one to find the unit there, and spare frames.
    const int end_frame = 10 * (choice.steps + 4);
    const std::string last = unit_1_of(run_with_keys(order + std::to_string(end_frame) + " tap ESCAPE\n"));
    EXPECT_EQ(number_after(last, "x"), choice.target.x) << last;
    EXPECT_EQ(number_after(last, "y"), choice.target.y) << last;
    EXPECT_EQ(number_after(last, "level"), 1) << last;
    EXPECT_EQ(number_after(last, "move_phase"), 3) << last;
    EXPECT_EQ(number_after(last, "has_order"), 1) << last;
}
