#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "platform/platform.h"
#include "shell/game_state.h"

void start_small_world()
{
    static bool started = false;
    if (started) return;
    started = true;
    configure_platform({.headless = true, .no_sleep = true});
    game.world_size = 64;
    game.plane_size = 64 * 64;
    game.screen_width = 640;
    game.screen_height = 480;
    init_game_state();
}

const std::string& scratch_folder_path()
{
    // Shared memory when there is some: the loaders read a fresh file per input.
    static const std::string path = [] {
        const std::filesystem::path shared_memory = "/dev/shm";
        const std::filesystem::path base = std::filesystem::is_directory(shared_memory)
                                               ? shared_memory
                                               : std::filesystem::temp_directory_path();
        const std::filesystem::path folder = base / ("tarnwick_fuzz_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder / "map");
        return folder.string();
    }();
    return path;
}

std::string write_input(const std::string& relative, const uint8_t* data, size_t size)
{
    const std::string path = scratch_folder_path() + "/" + relative;
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}
