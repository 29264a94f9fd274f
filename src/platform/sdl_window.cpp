// The window, its OpenGL context, the message queue and message boxes, on SDL.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/gl_scene.h"
#include "platform/platform.h"
#include "platform/platform_internal.h"
#include "shell/game_state.h"

namespace {

platform_settings settings;
int failing_step = 0;                // test hook: the creation step that fails next
int video_class_marker = 0;          // app_instance points here while the video system is ours
SDL_Window* input_window = nullptr;  // keeps keys readable while no GL window exists

bool step_fails(int step)
{
    if (failing_step != step) return false;
    failing_step = 0;
    return true;
}

// The window procedure: closing the window ends the main loop after the
// current frame; the system screensaver is held off while the window exists.
void window_proc(const SDL_Event& event)
{
    if (event.type == SDL_QUIT) game.quit_requested = 1;
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) game.quit_requested = 1;
}

// SDL falls back to drivers that show nothing when no display answers; a
// visible run must not carry on in such a window unless the user chose it.
bool shows_nothing(const char* driver)
{
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

bool register_window_class()
{
    if (settings.headless) SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    if (!settings.headless && !std::getenv("SDL_VIDEODRIVER") && shows_nothing(SDL_GetCurrentVideoDriver())) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    game.app_instance = &video_class_marker;
    return true;
}

void close_input_window()
{
    if (!input_window) return;
    SDL_DestroyWindow(input_window);
    input_window = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// Without a GL window nobody could press Escape: a bare window takes the keys
// until the next window is made. If not even that can be made, no one can
// use the program any more and the run ends.
void keep_keys_readable()
{
    if (game.main_window || input_window || settings.headless || active_script()) return;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
        input_window = SDL_CreateWindow("TARNWICK", 0, 0, 320, 240, SDL_WINDOW_BORDERLESS);
        if (!input_window) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    if (!input_window) {
        std::fprintf(stderr, "TARNWICK: no window can be made; ending the run.\n");
        game.quit_requested = 1;
    }
}

int fail_creation(const char* text)
{
    kill_gl_window();
    message_box(text, "ERROR", mb_ok | mb_iconexclamation);
    return 0;
}

}  // namespace

void configure_platform(const platform_settings& new_settings)
{
    settings = new_settings;
}

const platform_settings& current_settings()
{
    return settings;
}

void fail_next_window_at_step(int step)
{
    failing_step = step;
}

screen_rect window_rect(void* window)
{
    if (!window) return {0, 0, 0, 0};
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(static_cast<SDL_Window*>(window), &x, &y);
    SDL_GetWindowSize(static_cast<SDL_Window*>(window), &w, &h);
    return {x, y, x + w, y + h};
}

void message_box(const char* text, const char* caption, int style)
{
    const bool can_show = !settings.headless && (SDL_WasInit(SDL_INIT_VIDEO) || std::getenv("DISPLAY") ||
                                                 std::getenv("WAYLAND_DISPLAY"));
    const Uint32 flags = (style & mb_iconexclamation) ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
    if (can_show && SDL_ShowSimpleMessageBox(flags, caption, text, nullptr) == 0) return;
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

int create_gl_window(const char* title, int width, int height)
{
    // 1. The window class: here, the video system the window belongs to.
    if (step_fails(1) || !register_window_class()) {
        message_box("Failed To Register The Window Class.", "ERROR", mb_ok | mb_iconexclamation);
        return 0;
    }
    // 2. A borderless pop-up whose client area is exactly width x height.
    // The pixel format goes with the window: double-buffered RGBA with depth.
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 1);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 1);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 1);
    // 3. The window, at the screen's top-left corner.
    SDL_Window* window =
        step_fails(3) ? nullptr
                      : SDL_CreateWindow(title, 0, 0, width, height,
                                         SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    game.main_window = window;
    if (!window) return fail_creation("Window Creation Error.");
    // 4. Its drawing surface.
    game.device_context = step_fails(4) ? nullptr : window;
    if (!game.device_context) return fail_creation("Can't Create A GL Device Context.");
    // 5, 6. A GL driver that can serve the window's pixel format.
    // The window loaded the driver already; asking again only counts up its
    // users, so the extra count is given back at once.
    if (step_fails(5) || SDL_GL_LoadLibrary(nullptr) != 0)
        return fail_creation("Can't Find A Suitable PixelFormat.");
    SDL_GL_UnloadLibrary();
    if (step_fails(6) || !(SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL))
        return fail_creation("Can't Set The PixelFormat.");
    // 7. The rendering context.
    game.gl_context = step_fails(7) ? nullptr : SDL_GL_CreateContext(window);
    if (!game.gl_context) return fail_creation("Can't Create A GL Rendering Context.");
    // 8. Made current on this thread.
    if (step_fails(8) || SDL_GL_MakeCurrent(window, static_cast<SDL_GLContext>(game.gl_context)) != 0)
        return fail_creation("Can't Activate The GL Rendering Context.");
    SDL_GL_SetSwapInterval(0);
    // 9. Shown in front, with the keyboard.
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    SDL_DisableScreenSaver();
    close_input_window();
    // 10. The fixed GL state and projection.
    resize_gl_scene();
    init_gl();
    return 1;
}

void kill_gl_window()
{
    SDL_Window* window = static_cast<SDL_Window*>(game.main_window);
    if (game.gl_context) {
        if (SDL_GL_MakeCurrent(window, nullptr) != 0)
            message_box("Release Of DC And RC Failed.", "SHUTDOWN ERROR", mb_ok | mb_iconinformation);
        SDL_GL_DeleteContext(static_cast<SDL_GLContext>(game.gl_context));
        game.gl_context = nullptr;
    }
    // The drawing surface is part of the window; releasing it cannot fail.
    game.device_context = nullptr;
    if (window) {
        SDL_DestroyWindow(window);
        game.main_window = nullptr;
    }
    if (game.app_instance) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        game.app_instance = nullptr;
    }
}

int open_main_window()
{
    char title[100];
    std::snprintf(title, sizeof title, "TARNWICK");
    if (!create_gl_window(title, game.screen_width * game.pixel_zoom, game.screen_height * game.pixel_zoom))
        return 0;
    hide_system_cursor();
    return 1;
}

int pump_messages()
{
    keep_keys_readable();
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return 0;
    SDL_Event event;
    if (!SDL_PollEvent(&event)) return 0;
    window_proc(event);
    return 1;
}

void swap_buffers()
{
    if (game.main_window && game.gl_context) SDL_GL_SwapWindow(static_cast<SDL_Window*>(game.main_window));
}

void hide_system_cursor()
{
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_DISABLE);
}

const char* executable_folder()
{
    static std::string folder;
    if (folder.empty()) {
        if (char* base = SDL_GetBasePath()) {
            folder = base;
            SDL_free(base);
        }
    }
    return folder.c_str();
}
