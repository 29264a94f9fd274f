#include "make_data.h"

// Placeholder figures until the unit and item pictures are drawn.
canvas draw_unit_picture(const std::string&)
{
    canvas picture(16, 16, key_colour);
    fill_ellipse(picture, 8, 8, 4, 6, rgb{200, 160, 120});
    outline_figure(picture, key_colour, rgb{20, 16, 12});
    return picture;
}

canvas draw_item_picture(const std::string&)
{
    canvas picture(16, 16, rgb{40, 40, 40});
    fill_rect(picture, 4, 4, 8, 8, rgb{180, 180, 190});
    return picture;
}
