#pragma once
// The program's view of the operating system: a window with an OpenGL
// context, polled keys named by Win32 virtual-key codes, the cursor, fixed
// pauses and message boxes. Nothing outside platform/ sees the library that
// provides them.
#include <cstdint>

// Virtual-key codes the program polls.
inline constexpr int vk_lbutton = 1;
inline constexpr int vk_rbutton = 2;
inline constexpr int vk_mbutton = 4;
inline constexpr int vk_back = 8;
inline constexpr int vk_tab = 9;
inline constexpr int vk_return = 13;
inline constexpr int vk_shift = 16;
inline constexpr int vk_escape = 27;
inline constexpr int vk_space = 32;
inline constexpr int vk_left = 37;
inline constexpr int vk_up = 38;
inline constexpr int vk_right = 39;
inline constexpr int vk_down = 40;
inline constexpr int vk_add = 107;
inline constexpr int vk_subtract = 109;
inline constexpr int vk_f1 = 112;
inline constexpr int vk_f4 = 115;
inline constexpr int vk_f5 = 116;
inline constexpr int vk_f6 = 117;
inline constexpr int vk_oem_4 = 219;  // '[' on a US layout
inline constexpr int vk_oem_6 = 221;  // ']' on a US layout

// Message box styles.
inline constexpr int mb_ok = 0x0;
inline constexpr int mb_iconexclamation = 0x30;
inline constexpr int mb_iconinformation = 0x40;

// A screen rectangle, right and bottom exclusive, y growing downward.
struct screen_rect {
    int32_t left, top, right, bottom;
};

// How the platform runs: set once before the window opens.
struct platform_settings {
    bool headless = false;    // no visible window; GL still renders off screen
    bool no_sleep = false;    // pauses are counted but not slept
    int32_t frame_limit = 0;  // > 0: Escape reads as held from frame frame_limit - 1 on
};
void configure_platform(const platform_settings& settings);

// 1 while the key or mouse button is held down at the moment of the call.
int key_down(int virtual_key);
// The cursor in framebuffer pixels of the given window (y up from its bottom edge).
int cursor_x(void* window);
int cursor_y(void* window);
// The cursor mapping itself: screen position and window rectangle to framebuffer pixels.
int framebuffer_x_of(int32_t screen_x, const screen_rect& window, int32_t screen_width);
int framebuffer_y_of(int32_t screen_y, const screen_rect& window, int32_t screen_height);
// The window's rectangle on the screen; all zero when there is no window.
screen_rect window_rect(void* window);

// Stops the whole program for a fixed time, the only debouncing of its keys.
void pause_ms(int milliseconds);
struct pause_totals {
    int64_t count = 0;
    int64_t milliseconds = 0;  // as asked for
    double slept_ms = 0.0;     // as actually slept
};
pause_totals pauses_so_far();

// A message for the user: a dialog when a display exists, else standard error.
void message_box(const char* text, const char* caption, int style);

// The window and its GL context, created and destroyed together.
int create_gl_window(const char* title, int width, int height);
void kill_gl_window();
int open_main_window();
// Takes one message off the queue and handles it; 0 when the queue was empty.
int pump_messages();
// Shows the back buffer of the window's GL surface.
void swap_buffers();
// The system cursor over the window.
void hide_system_cursor();
// Moves the window's top-left corner to the cursor's screen position.
void move_window_to_cursor(int width, int height);

// The folder the executable lives in, with a trailing separator; empty if unknown.
const char* executable_folder();

// Replaces the keyboard and mouse by a script for the rest of the run.
struct input_script;
void use_input_script(const input_script& script);
// Back to the real keyboard and mouse (and no frame limit); used between tests.
void use_real_input();

// Makes the next create_gl_window fail at the given step (3..8) once, so that
// the failure paths can be exercised; 0 disarms it.
void fail_next_window_at_step(int step);
