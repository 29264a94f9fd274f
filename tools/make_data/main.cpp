// Writes the program's default data into a folder: bmp_*/ with every picture
// of the image manifest and map/8.overworld.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "assets/image_sets.h"
#include "make_data.h"
#include "shell/run_record.h"

namespace {

// The canvas as the bottom-up RGBA rows the BMP writer takes.
std::vector<uint8_t> bottom_up_rgba(const canvas& picture)
{
    std::vector<uint8_t> rgba(size_t(picture.width) * picture.height * 4);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const rgb colour = picture.get(x, picture.height - 1 - y);
            uint8_t* pixel = &rgba[(size_t(y) * picture.width + x) * 4];
            pixel[0] = colour.r;
            pixel[1] = colour.g;
            pixel[2] = colour.b;
            pixel[3] = 255;
        }
    return rgba;
}

bool write_picture(const std::filesystem::path& root, const image_entry& entry)
{
    const canvas picture = draw_picture(entry.folder, entry.name);
    if (picture.width % 4 != 0) {
        std::fprintf(stderr, "make_data: %s/%s is %d wide; rows would need padding\n", entry.folder,
                     entry.name, picture.width);
        return false;
    }
    const std::filesystem::path path = root / image_relative_path(entry);
    return write_bmp_file(path.string(), bottom_up_rgba(picture).data(), picture.width, picture.height);
}

bool write_map(const std::filesystem::path& root)
{
    const std::vector<uint8_t> levels = make_overworld_levels();
    std::ofstream out(root / "map" / "8.overworld", std::ios::binary);
    out.write(reinterpret_cast<const char*>(levels.data()), std::streamsize(levels.size()));
    return bool(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_data FOLDER\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    std::error_code error;
    std::set<std::string> written;
    for (const image_entry& entry : image_manifest) {
        if (!written.insert(image_relative_path(entry)).second) continue;
        std::filesystem::create_directories(root / entry.folder, error);
        if (!write_picture(root, entry)) {
            std::fprintf(stderr, "make_data: cannot write %s\n", image_relative_path(entry).c_str());
            return 1;
        }
    }
    std::filesystem::create_directories(root / "map", error);
    if (!write_map(root)) {
        std::fprintf(stderr, "make_data: cannot write map/8.overworld\n");
        return 1;
    }
    return 0;
}
