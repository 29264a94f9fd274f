#pragma once
// The program's pictures: the image sets of the manifest and the cube textures.
#include <string>

#include "assets/image_manifest.h"
#include "assets/image_slot.h"

// The file of a manifest entry inside any data folder: folder/name.bmp.
std::string image_relative_path(const image_entry& entry);
// The same file in the data folder in use.
std::string image_file_name(const image_entry& entry);
// Loads every picture of the manifest into image_table, in manifest order.
void load_image_sets();
// Whether a picture can become a cube texture: a square with a power-of-two side.
bool fits_cube_texture(const image_slot& image);
// Makes the 3D view's textures in the current GL context.
void create_cube_textures();
