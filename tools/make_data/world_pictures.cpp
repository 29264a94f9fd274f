#include "make_data.h"

// Placeholder tiles until the world pictures are drawn.
canvas draw_world_picture(const std::string& folder, const std::string&)
{
    const int side = folder == "bmp_cube" ? 64 : 16;
    canvas picture(side, side, rgb{90, 140, 70});
    speckle(picture, 1, 12);
    return picture;
}
