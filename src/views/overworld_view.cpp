#include "views/overworld_view.h"

// The terrain, path and unit passes arrive with the world's pictures.
void draw_overworld() {}
