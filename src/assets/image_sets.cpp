#include "assets/image_sets.h"

#include <GL/gl.h>

#include <string>

#include "assets/bmp_loader.h"
#include "assets/image_manifest.h"
#include "platform/files.h"
#include "shell/game_state.h"

std::string image_relative_path(const image_entry& entry)
{
    return std::string(entry.folder) + "/" + entry.name + ".bmp";
}

std::string image_file_name(const image_entry& entry)
{
    return data_path(image_relative_path(entry));
}

void load_image_sets()
{
    // A missing or refused picture leaves its slot empty, and an empty slot draws as nothing.
    for (const image_entry& entry : image_manifest) load_bmp(image_file_name(entry).c_str(), entry.slot);
}

bool fits_cube_texture(const image_slot& image)
{
    const int32_t side = image.width;
    return image.pixels && side > 0 && image.height == side && (side & (side - 1)) == 0;
}

void create_cube_textures()
{
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glGenTextures(texture_name_count, game.texture_names);
    for (int i = 0; i < cube_texture_count; ++i) {
        glBindTexture(GL_TEXTURE_2D, game.texture_names[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        const image_slot& image = game.image_table[first_cube_slot + i];
        // A picture that is not a square of a power-of-two side stays out:
        // its texture is left empty and the faces bound to it draw untextured.
        if (!fits_cube_texture(image)) continue;
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.width, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     image.pixels);
    }
}
