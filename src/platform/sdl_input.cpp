// Keyboard, mouse and cursor, read from SDL or from an input script.
#include <SDL.h>

#include <cmath>
#include <memory>

#include "platform/input_script.h"
#include "platform/platform.h"
#include "platform/platform_internal.h"
#include "shell/game_state.h"

namespace {

std::unique_ptr<scripted_input> script;

// The SDL key that a virtual-key code names on the current layout, or SDLK_UNKNOWN.
SDL_Keycode keycode_of(int virtual_key)
{
    if (virtual_key >= 'A' && virtual_key <= 'Z') return SDLK_a + (virtual_key - 'A');
    if (virtual_key >= '0' && virtual_key <= '9') return SDLK_0 + (virtual_key - '0');
    if (virtual_key >= vk_f1 && virtual_key <= vk_f1 + 11) return SDLK_F1 + (virtual_key - vk_f1);
    switch (virtual_key) {
    case vk_back: return SDLK_BACKSPACE;
    case vk_tab: return SDLK_TAB;
    case vk_escape: return SDLK_ESCAPE;
    case vk_space: return SDLK_SPACE;
    case vk_left: return SDLK_LEFT;
    case vk_up: return SDLK_UP;
    case vk_right: return SDLK_RIGHT;
    case vk_down: return SDLK_DOWN;
    case vk_add: return SDLK_KP_PLUS;
    case vk_subtract: return SDLK_KP_MINUS;
    case vk_oem_4: return SDLK_LEFTBRACKET;
    case vk_oem_6: return SDLK_RIGHTBRACKET;
    default: return SDLK_UNKNOWN;
    }
}

bool real_key_held(int virtual_key)
{
    if (virtual_key == vk_lbutton || virtual_key == vk_rbutton || virtual_key == vk_mbutton) {
        const Uint32 buttons = SDL_GetGlobalMouseState(nullptr, nullptr);
        if (virtual_key == vk_lbutton) return buttons & SDL_BUTTON_LMASK;
        if (virtual_key == vk_rbutton) return buttons & SDL_BUTTON_RMASK;
        return buttons & SDL_BUTTON_MMASK;
    }
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    if (virtual_key == vk_shift) return keys[SDL_SCANCODE_LSHIFT] || keys[SDL_SCANCODE_RSHIFT];
    if (virtual_key == vk_return) return keys[SDL_SCANCODE_RETURN] || keys[SDL_SCANCODE_KP_ENTER];
    const SDL_Keycode key = keycode_of(virtual_key);
    if (key == SDLK_UNKNOWN) return false;
    return keys[SDL_GetScancodeFromKey(key)];
}

// The screen position the script's framebuffer pixel stands for, chosen in the
// middle of the window pixels it covers so that the cursor mapping gives it back.
void scripted_screen_position(void* window, int32_t& screen_x, int32_t& screen_y)
{
    const screen_rect rect = window_rect(window);
    const double width = rect.right - rect.left;
    const double height = rect.bottom - rect.top;
    const double columns = game.screen_width > 0 ? game.screen_width : 1;
    const double rows = game.screen_height > 0 ? game.screen_height : 1;
    screen_x = rect.left + int32_t(std::floor((script->cursor_x + 0.5) * width / columns));
    screen_y = rect.bottom - int32_t(std::floor((script->cursor_y + 0.5) * height / rows));
}

void cursor_screen_position(void* window, int32_t& screen_x, int32_t& screen_y)
{
    if (script) {
        advance_script_to(*script, game.frame_counter);
        scripted_screen_position(window, screen_x, screen_y);
        return;
    }
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    screen_x = x;
    screen_y = y;
}

}  // namespace

scripted_input* active_script()
{
    return script.get();
}

void use_input_script(const input_script& parsed)
{
    script = std::make_unique<scripted_input>();
    script->script = parsed;
}

void use_real_input()
{
    script.reset();
    platform_settings settings = current_settings();
    settings.frame_limit = 0;
    configure_platform(settings);
}

int key_down(int virtual_key)
{
    const int32_t limit = current_settings().frame_limit;
    if (virtual_key == vk_escape && limit > 0 && game.frame_counter >= limit - 1) return 1;
    if (virtual_key <= 0 || virtual_key > 255) return 0;
    if (script) {
        advance_script_to(*script, game.frame_counter);
        return script->held[virtual_key] ? 1 : 0;
    }
    return real_key_held(virtual_key) ? 1 : 0;
}

int cursor_x(void* window)
{
    int32_t screen_x = 0, screen_y = 0;
    cursor_screen_position(window, screen_x, screen_y);
    return framebuffer_x_of(screen_x, window_rect(window), game.screen_width);
}

int cursor_y(void* window)
{
    int32_t screen_x = 0, screen_y = 0;
    cursor_screen_position(window, screen_x, screen_y);
    return framebuffer_y_of(screen_y, window_rect(window), game.screen_height);
}

void move_window_to_cursor(int width, int height)
{
    if (!game.main_window) return;
    int32_t screen_x = 0, screen_y = 0;
    cursor_screen_position(game.main_window, screen_x, screen_y);
    SDL_Window* window = static_cast<SDL_Window*>(game.main_window);
    SDL_SetWindowPosition(window, screen_x, screen_y);
    SDL_SetWindowSize(window, width, height);
    hide_system_cursor();
}
