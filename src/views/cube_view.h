#pragma once
// The small textured 3D view around the selected unit.
void draw_cube_view();
