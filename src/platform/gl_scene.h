#pragma once
// The fixed OpenGL state and projection every new context gets.

// The viewport of the 3D view (320 x 240 at the window's bottom-left corner)
// and its perspective projection.
void resize_gl_scene();
// Cube textures, clear colour, depth test and the rest of the fixed state.
void init_gl();
