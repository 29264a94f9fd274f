#include "shell/run_record.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/platform.h"
#include "shell/game_state.h"

namespace {

void put_u16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put_u32(std::vector<uint8_t>& out, uint32_t v)
{
    put_u16(out, v & 0xFFFF);
    put_u16(out, v >> 16);
}

// Writes the fields of a record as JSON members in the order given.
struct json_object {
    std::ostringstream& out;
    bool first = true;
    template <class T> json_object& field(const char* name, T value)
    {
        out << (first ? "" : ", ") << '"' << name << "\": " << +value;
        first = false;
        return *this;
    }
};

void unit_json(std::ostringstream& out, int32_t u)
{
    out << "{";
    if (game.unit_table && game.pathfinder && u >= 0 && u < game.unit_capacity) {
        const unit_record& unit = game.unit_table[u];
        json_object{out}
            .field("index", u)
            .field("alive", unit.alive)
            .field("x", unit.x)
            .field("y", unit.y)
            .field("level", unit.level)
            .field("target_x", unit.target_x)
            .field("target_y", unit.target_y)
            .field("waypoint_x", unit.waypoint_x)
            .field("waypoint_y", unit.waypoint_y)
            .field("next_x", unit.next_x)
            .field("next_y", unit.next_y)
            .field("has_order", unit.has_order)
            .field("move_phase", unit.move_phase)
            .field("offset_x", unit.offset_x)
            .field("offset_y", unit.offset_y)
            .field("offset_z", unit.offset_z)
            .field("sprite", unit.sprite)
            .field("category", unit.category)
            .field("max_health", unit.max_health)
            .field("health", unit.health)
            .field("hidden", unit.hidden)
            .field("bar_style", unit.bar_style)
            .field("step_counter", unit.step_counter)
            .field("path_step", game.pathfinder->path_step[u])
            .field("path_length", game.pathfinder->path_length[u]);
    }
    out << "}";
}

}  // namespace

bool write_bmp_file(const std::string& path, const uint8_t* rgba, int32_t width, int32_t height)
{
    const uint32_t row_bytes = (uint32_t(width) * 3 + 3) & ~3u;
    const uint32_t pixel_bytes = row_bytes * uint32_t(height);
    std::vector<uint8_t> file;
    file.reserve(54 + pixel_bytes);
    file.push_back('B');
    file.push_back('M');
    put_u32(file, 54 + pixel_bytes);
    put_u32(file, 0);
    put_u32(file, 54);
    put_u32(file, 40);
    put_u32(file, uint32_t(width));
    put_u32(file, uint32_t(height));
    put_u16(file, 1);
    put_u16(file, 24);
    put_u32(file, 0);
    put_u32(file, pixel_bytes);
    put_u32(file, 2835);
    put_u32(file, 2835);
    put_u32(file, 0);
    put_u32(file, 0);
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* row = rgba + size_t(y) * width * 4;
        for (int32_t x = 0; x < width; ++x) {
            file.push_back(row[x * 4 + 2]);
            file.push_back(row[x * 4 + 1]);
            file.push_back(row[x * 4 + 0]);
        }
        for (uint32_t pad = uint32_t(width) * 3; pad < row_bytes; ++pad) file.push_back(0);
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    return bool(out);
}

bool capture_requested_frames(const run_options& options)
{
    bool all_written = true;
    for (const capture_request& capture : options.captures) {
        if (capture.frame != game.frame_counter) continue;
        if (!write_bmp_file(capture.file, game.framebuffer, game.screen_width, game.screen_height)) {
            std::fprintf(stderr, "tarnwick: cannot write capture '%s'\n", capture.file.c_str());
            all_written = false;
        }
    }
    return all_written;
}

std::string run_report_json(const frame_timing& timing)
{
    const pause_totals pauses = pauses_so_far();
    std::ostringstream out;
    out.precision(9);
    out << "{\"frames\": " << timing.frames << ", \"wall_seconds\": " << timing.wall_seconds
        << ", \"slowest_frame\": {\"frame\": " << timing.slowest_frame << ", \"ms\": " << timing.slowest_ms
        << "}, \"pauses\": {\"count\": " << pauses.count << ", \"ms\": " << pauses.milliseconds
        << "}, \"state\": {";
    json_object{out}
        .field("camera_x", game.camera_x)
        .field("camera_y", game.camera_y)
        .field("camera_level", game.camera_level)
        .field("selected_unit", game.selected_unit)
        .field("screen_width", game.screen_width)
        .field("screen_height", game.screen_height)
        .field("pixel_zoom", game.pixel_zoom)
        .field("overview_visible", game.overview_visible)
        .field("overview_x", game.overview_x)
        .field("overview_y", game.overview_y)
        .field("unit_step_period", game.unit_step_period)
        .field("screensaver_mode", game.screensaver_mode)
        .field("frame_counter", game.frame_counter);
    out << "}, \"unit_1\": ";
    unit_json(out, 1);
    out << ", \"selected\": ";
    unit_json(out, game.selected_unit);
    out << "}\n";
    return out.str();
}

bool write_run_report(const std::string& path, const frame_timing& timing)
{
    std::ofstream out(path);
    out << run_report_json(timing);
    return bool(out);
}
