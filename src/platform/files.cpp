#include "platform/files.h"

#include <filesystem>
#include <system_error>

#include "platform/platform.h"

namespace {
std::string folder_in_use;
}

void set_data_folder(const std::string& folder)
{
    folder_in_use = folder;
}

const std::string& data_folder()
{
    return folder_in_use;
}

std::string data_path(const std::string& relative)
{
    if (folder_in_use.empty()) return relative;
    return (std::filesystem::path(folder_in_use) / relative).string();
}

bool holds_data(const std::string& folder)
{
    std::error_code error;
    const std::filesystem::path base =
        folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder);
    if (std::filesystem::is_directory(base / "map", error)) return true;
    for (const auto& entry : std::filesystem::directory_iterator(base, error)) {
        if (entry.is_directory(error) && entry.path().filename().string().rfind("bmp_", 0) == 0) return true;
    }
    return false;
}

std::string default_data_folder()
{
    if (holds_data(".")) return ".";
    const std::string executable = executable_folder();
    if (executable.empty()) return ".";
    // An installed program keeps its data in share/tarnwick beside bin/.
    const std::string installed = (std::filesystem::path(executable) / ".." / "share" / "tarnwick").string();
    if (!holds_data(executable) && holds_data(installed)) return installed;
    return executable;
}
