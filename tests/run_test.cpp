// Whole runs of the program, as a user or a script would start it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct run_result {
    int status;
    std::string out;
    std::string err;
};

// The whole number that follows the first occurrence of key in a report, or
// -1 if the key is not there.
int report_number(const std::string& report, const std::string& key)
{
    const size_t at = report.find(key);
    return at == std::string::npos ? -1 : std::atoi(report.c_str() + at + key.size());
}

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class run_test : public ::testing::Test {
protected:
    fs::path folder;
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() / (std::string("tarnwick_run_") + info->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "data");
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path file(const std::string& name) const { return folder / name; }
    void write(const std::string& name, const std::string& text) const { std::ofstream(file(name)) << text; }

    run_result run(const std::string& arguments, const std::string& environment = "") const
    {
        const std::string command = environment + " " + TARNWICK_EXE + " " + arguments + " >" +
                                    file("out.txt").string() + " 2>" + file("err.txt").string() +
                                    " </dev/null";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(file("out.txt")),
                read_file(file("err.txt"))};
    }
    std::string data() const { return " --data " + (folder / "data").string(); }
};

}  // namespace

TEST_F(run_test, help_prints_the_usage)
{
    const run_result result = run("--help");
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("usage: tarnwick"), std::string::npos);
    EXPECT_NE(result.out.find("--capture N:FILE"), std::string::npos);
}

TEST_F(run_test, usage_errors_exit_with_status_2_before_any_window)
{
    write("bad.txt", "0 press UP\n1 press NOKEY\n");
    struct case_t {
        std::string arguments;
        std::string message;
    };
    const case_t cases[] = {
        {"--bogus", "unknown option '--bogus'"},
        {"--frames", "--frames needs a value"},
        {"--frames 0", "--frames needs a whole number of at least 1"},
        {"--frames 12x", "--frames needs a whole number"},
        {"--seed -4", "--seed needs a whole number"},
        {"--capture 5", "--capture needs FRAME:FILE"},
        {"--headless", "--headless needs --frames or an --input script"},
        {"--headless --frames 3 --input " + file("bad.txt").string(),
         "input script line 2: unknown key 'NOKEY'"},
        {"--headless --frames 3 --input " + file("missing.txt").string(), "cannot read input script"},
        {"--headless --frames 3 --data " + file("nowhere").string(), "data folder"},
    };
    for (const case_t& c : cases) {
        const run_result result = run(c.arguments);
        EXPECT_EQ(result.status, 2) << c.arguments;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.arguments << "\n" << result.err;
    }
}

TEST_F(run_test, without_a_display_the_program_says_so_and_exits_with_status_1)
{
    for (const char* environment : {"env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER",
                                    "env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11"}) {
        const run_result result = run("--frames 3", environment);
        EXPECT_EQ(result.status, 1) << environment;
        EXPECT_NE(result.err.find("ERROR: Failed To Register The Window Class."), std::string::npos)
            << result.err;
    }
}

TEST_F(run_test, frames_option_ends_the_run)
{
    const run_result result =
        run("--headless --no-sleep --frames 5 --report " + file("r.json").string() + data());
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string report = read_file(file("r.json"));
    EXPECT_NE(report.find("\"frames\": 5,"), std::string::npos) << report;
    EXPECT_NE(report.find("\"frame_counter\": 5"), std::string::npos) << report;
}

TEST_F(run_test, scripted_run_reports_and_captures_what_the_keys_did)
{
    write("keys.txt", "# camera right five frames, a level down, fast units, panel off under the cursor\n"
                      "0 cursor 200 100\n"
                      "0 press RIGHT\n"
                      "5 release RIGHT\n"
                      "2 tap ADD\n"
                      "3 tap 1\n"
                      "6 tap N\n"
                      "8 tap ESCAPE\n");
    const run_result result =
        run("--headless --no-sleep --seed 1 --input " + file("keys.txt").string() + " --capture 7:" +
            file("f7.bmp").string() + " --report " + file("r.json").string() + data());
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string report = read_file(file("r.json"));
    // The camera starts on unit 1, which seeds on level 1 of the empty world.
    const int unit_x = report_number(report, "\"unit_1\": {\"index\": 1, \"alive\": 1, \"x\": ");
    const int unit_y = report_number(report, "\"unit_1\": {\"index\": 1, \"alive\": 1, \"x\": " +
                                                 std::to_string(unit_x) + ", \"y\": ");
    // Five frames of the right arrow, within the per-frame clamp at 984.
    EXPECT_EQ(report_number(report, "\"camera_x\": "), std::min(std::clamp(unit_x, 1, 983) + 5, 984));
    EXPECT_EQ(report_number(report, "\"camera_y\": "), std::clamp(unit_y, 1, 993));
    for (const char* expected :
         {"\"frames\": 9,", "\"camera_level\": 2,", "\"unit_step_period\": 10,", "\"overview_visible\": 0,", "\"overview_x\": 200,",
          "\"overview_y\": 100,", "\"pauses\": {\"count\": 2, \"ms\": 730}", "\"screen_width\": 640,",
          "\"pixel_zoom\": 2,", "\"unit_1\": {\"index\": 1,", "\"offset_x\": 0.5,", "\"path_step\": -9"})
        EXPECT_NE(report.find(expected), std::string::npos) << expected << "\n" << report;

    const std::string bmp = read_file(file("f7.bmp"));
    ASSERT_EQ(bmp.size(), 54u + 640 * 480 * 3);
    ASSERT_EQ(bmp.substr(0, 2), "BM");
    auto pixel = [&](int x, int y) {
        const size_t at = 54 + (size_t(y) * 640 + x) * 3;
        return std::vector<int>{uint8_t(bmp[at + 2]), uint8_t(bmp[at + 1]), uint8_t(bmp[at])};
    };
    EXPECT_EQ(pixel(200, 100), (std::vector<int>{255, 255, 255})) << "crosshair centre";
    EXPECT_EQ(pixel(205, 100), (std::vector<int>{255, 255, 255})) << "crosshair arm";
    EXPECT_EQ(pixel(206, 100), (std::vector<int>{0, 0, 0}));
    int yellow_top = 0, yellow_block = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (pixel(x, y) == std::vector<int>{255, 255, 0}) (y > 440 ? yellow_top : yellow_block) += 1;
    EXPECT_GT(yellow_top, 100) << "the two status lines at the top";
    EXPECT_GT(yellow_block, 300) << "the block of live values and the bottom line";
    const int camera_x = report_number(report, "\"camera_x\": "), camera_y = report_number(report, "\"camera_y\": ");
    EXPECT_EQ(pixel(200 + camera_x / 16, 100 + camera_y / 16), (std::vector<int>{0, 0, 0}))
        << "the panel, moved under the cursor and hidden, shows no camera dot";
}

TEST_F(run_test, mode_and_zoom_keys_remake_the_window_within_one_run)
{
    write("modes.txt", "2 tap F5\n"
                       "4 tap F6\n"
                       "6 tap F3\n"
                       "8 tap ESCAPE\n");
    const run_result result =
        run("--headless --no-sleep --input " + file("modes.txt").string() +
            " --capture 3:" + file("f3.bmp").string() + " --capture 5:" + file("f5.bmp").string() +
            " --report " + file("r.json").string() + data());
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(read_file(file("f3.bmp")).size(), 54u + 320 * 240 * 3) << "the 3D mode's framebuffer";
    EXPECT_EQ(read_file(file("f5.bmp")).size(), 54u + 640 * 480 * 3) << "back to the overworld";
    const std::string report = read_file(file("r.json"));
    for (const char* expected : {"\"screen_width\": 640,", "\"screen_height\": 480,", "\"pixel_zoom\": 3,"})
        EXPECT_NE(report.find(expected), std::string::npos) << expected << "\n" << report;
}

TEST_F(run_test, outputs_that_cannot_be_written_fail_the_run)
{
    const std::string nowhere = file("no/such/folder").string();
    struct case_t {
        std::string arguments;
        std::string message;
    };
    const case_t cases[] = {
        {"--report " + nowhere + "/r.json", "cannot write report"},
        {"--capture 1:" + nowhere + "/f.bmp", "cannot write capture"},
    };
    for (const case_t& c : cases) {
        const run_result result = run("--headless --no-sleep --frames 3 " + c.arguments + data());
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    const run_result late =
        run("--headless --no-sleep --frames 3 --capture 7:" + file("f.bmp").string() + data());
    EXPECT_EQ(late.status, 0) << "a frame the run never reached is only a warning";
    EXPECT_NE(late.err.find("frame 7 never ran"), std::string::npos) << late.err;
}
