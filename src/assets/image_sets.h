#pragma once
// The program's pictures: the eight image sets and the cube textures.

// Loads every image set into image_table, in their fixed order.
void load_image_sets();
// Makes the 3D view's textures in the current GL context.
void create_cube_textures();
