#include "assets/image_sets.h"

// The picture manifest and its loader arrive with the world's pictures; until
// then every slot stays empty and draws as nothing.
void load_image_sets() {}

void create_cube_textures() {}
