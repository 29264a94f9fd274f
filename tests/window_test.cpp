#include "shell/program.h"
#include "test_support.h"

class window_test : public state_test {
protected:
    void SetUp() override
    {
        state_test::SetUp();
        platform_settings settings;
        settings.headless = true;
        settings.no_sleep = true;
        configure_platform(settings);
    }
};

TEST_F(window_test, the_first_window_is_1280_by_960_with_a_context)
{
    ASSERT_EQ(open_main_window(), 1);
    EXPECT_NE(game.app_instance, nullptr);
    EXPECT_NE(game.main_window, nullptr);
    EXPECT_NE(game.device_context, nullptr);
    EXPECT_NE(game.gl_context, nullptr);
    const screen_rect rect = window_rect(game.main_window);
    EXPECT_EQ(rect.right - rect.left, 1280);
    EXPECT_EQ(rect.bottom - rect.top, 960);
}

TEST_F(window_test, each_failing_step_reports_its_message_and_leaves_no_handle)
{
    struct case_t {
        int step;
        const char* message;
    };
    const case_t cases[] = {
        {1, "ERROR: Failed To Register The Window Class."},
        {3, "ERROR: Window Creation Error."},
        {4, "ERROR: Can't Create A GL Device Context."},
        {5, "ERROR: Can't Find A Suitable PixelFormat."},
        {6, "ERROR: Can't Set The PixelFormat."},
        {7, "ERROR: Can't Create A GL Rendering Context."},
        {8, "ERROR: Can't Activate The GL Rendering Context."},
    };
    for (const case_t& c : cases) {
        fail_next_window_at_step(c.step);
        testing::internal::CaptureStderr();
        EXPECT_EQ(create_gl_window("TARNWICK", 640, 480), 0) << c.step;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(c.message), std::string::npos) << said;
        EXPECT_EQ(game.app_instance, nullptr) << c.step;
        EXPECT_EQ(game.main_window, nullptr) << c.step;
        EXPECT_EQ(game.device_context, nullptr) << c.step;
        EXPECT_EQ(game.gl_context, nullptr) << c.step;
    }
    // The next creation works again.
    EXPECT_EQ(create_gl_window("TARNWICK", 640, 480), 1);
}

TEST_F(window_test, kill_releases_each_handle_once)
{
    ASSERT_EQ(open_main_window(), 1);
    kill_gl_window();
    EXPECT_EQ(game.gl_context, nullptr);
    EXPECT_EQ(game.main_window, nullptr);
    EXPECT_EQ(game.device_context, nullptr);
    EXPECT_EQ(game.app_instance, nullptr);
    testing::internal::CaptureStderr();
    kill_gl_window();  // nothing left: no message, no stale release
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(window_test, frames_run_without_a_window_after_a_failed_re_creation)
{
    ASSERT_EQ(open_main_window(), 1);
    kill_gl_window();
    fail_next_window_at_step(3);
    testing::internal::CaptureStderr();
    EXPECT_EQ(open_main_window(), 0);
    testing::internal::GetCapturedStderr();
    script("2 tap ESCAPE\n");
    while (!game.quit_requested && game.frame_counter < 10) run_frame();
    EXPECT_EQ(game.quit_requested, 1);
    EXPECT_EQ(game.frame_counter, 3) << "Escape in frame 2 ends the loop after that frame";
}
