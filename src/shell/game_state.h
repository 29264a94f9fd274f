#pragma once
// The program-wide state record: every subsystem reads and writes these fields
// directly. Each field is listed with its type, initial value and meaning.
#include <cstdint>

#include "assets/image_slot.h"
#include "units/path_search.h"
#include "units/unit_record.h"
#include "world/definition_record.h"
#include "world/feature_record.h"

inline constexpr int console_token_count = 20;      // token buffers of the console
inline constexpr int console_token_size = 256;      // bytes per token buffer
inline constexpr int trig_table_entries = 3600000;  // one entry per 1/1000 degree
inline constexpr int texture_name_count = 32;       // texture names per GL context

struct game_state {
    // World geometry and capacities.
    int32_t world_size = 256;              // side of a square level in cells; 1024 once started
    int32_t plane_size = 256 * 256;        // cells per level, world_size * world_size
    int32_t level_count = 180;             // levels in the plane stack, never changed
    int32_t unit_capacity = 3000;          // records in unit_table
    int32_t image_capacity = 3100;         // slots in image_table
    int32_t definition_capacity = 230000;  // records in definition_table
    int32_t feature_capacity = 1000;       // records in feature_list

    // World tables, allocated and zero-filled by init_game_state.
    uint8_t* world_planes = nullptr;                // level_count * plane_size tile codes
    unit_record* unit_table = nullptr;              // unit_capacity units
    definition_record* definition_table = nullptr;  // definition_capacity item kinds
    image_slot* image_table = nullptr;              // image_capacity pictures
    feature_record* feature_list = nullptr;         // feature_capacity start-up features
    path_search* pathfinder = nullptr;              // the one path-search context
    path_search* search_helper = nullptr;           // a second one for the step pass's second thread
    float* sine_table = nullptr;                    // sin(i / 1000 degrees), trig_table_entries
    float* cosine_table = nullptr;                  // cos(i / 1000 degrees), trig_table_entries
    float tile_cost[256] = {};                      // cost of entering a cell, by tile code
    int32_t feature_count = 0;                      // next free record of feature_list

    // Console.
    char console_line[256] = {};      // the input line, always NUL-terminated
    int32_t console_length = 0;       // characters in console_line
    int32_t console_submitted = 0;    // 1 after Enter until the line has been run
    int32_t console_open = 0;         // 1 while the console is shown and edited
    char** console_tokens = nullptr;  // console_token_count buffers a submitted line splits into

    // Screen.
    int32_t screen_width = 0;           // framebuffer width: 640 (overworld) or 320 (3D view)
    int32_t screen_height = 0;          // framebuffer height: 480 or 240
    int32_t pixel_zoom = 2;             // window pixels per framebuffer pixel
    uint8_t* framebuffer = nullptr;     // RGBA picture shown each frame, row 0 at the bottom
    uint8_t* scratch_buffer = nullptr;  // second canvas: 3D read-back, screensaver
    char text_line[256] = {};           // the shared line every text is formatted into

    // View, selection and run state.
    int32_t camera_x = 0;  // cell at the bottom-left corner of the overworld view
    int32_t camera_y = 0;
    int32_t camera_level = 0;      // level shown and edited, 0..level_count - 1
    int32_t selected_unit = 1;     // unit the status lines, orders and [ ] act on
    int32_t overview_visible = 1;  // whether the 64 x 64 overview panel is drawn
    int32_t overview_x = 518;      // framebuffer position of the panel's bottom-left pixel
    int32_t overview_y = 338;
    float unit_step_period = 30.0f;  // units advance once every this many frames
    int32_t screensaver_mode = 0;    // 1: the frame shows the screensaver
    int32_t frame_counter = 0;       // incremented at the end of every main-loop pass
    int32_t quit_requested = 0;      // the main loop runs while this is 0

    // 3D view and walker.
    float view_yaw = 0.0f;  // view direction in degrees, steered by the mouse
    float view_pitch = 0.0f;
    int32_t cube_view_radius = 14;  // half side of the block of cells the 3D view draws
    int32_t ground_x = 1;           // last camera cell found standing on a wall
    int32_t ground_y = 1;
    int32_t ground_level = 28;
    uint32_t texture_names[texture_name_count] = {};  // GL textures of the 3D view

    // Platform handles (0 when absent).
    void* app_instance = nullptr;    // the registered window class / video system
    void* main_window = nullptr;     // the window
    void* device_context = nullptr;  // the window's drawing surface
    void* gl_context = nullptr;      // the OpenGL rendering context
};

// The one instance, alive for the whole run.
extern game_state game;

// Allocates and zero-fills every table in the fixed order and runs the builders
// of the other subsystems. world_size, plane_size, the screen mode and
// pixel_zoom must be set before.
void init_game_state();
// Releases every table in the fixed order, leaving each pointer null.
void free_game_state();
// Puts every field back to its initial value (tables must already be freed).
void reset_game_state();

// Byte offset of cell (x, y) of level k in world_planes.
inline int64_t cell_index(int32_t x, int32_t y, int32_t k)
{
    return int64_t(k) * game.plane_size + int64_t(y) * game.world_size + x;
}
