#include "make_data.h"

canvas draw_picture(const std::string& folder, const std::string& name)
{
    if (folder == "bmp_unit") return draw_unit_picture(name);
    if (folder == "bmp_item") return draw_item_picture(name);
    return draw_world_picture(folder, name);
}
