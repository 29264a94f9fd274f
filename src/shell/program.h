#pragma once
// The program's three phases: start-up, the main loop and shutdown.

// The whole program; returns its exit status.
int run_program(int argc, const char* const* argv);

// Start-up after the options: state tables, window, world, units, camera.
// Returns false when no window could be made.
bool start_up();
// Frame steps 2..12: the picture, the status lines, the console, the viewer
// controls, the panel, the unit passes and the crosshair.
void compose_frame();
// Frame steps 14..18: window, camera and program keys, the message pump and
// the frame counter.
void finish_frame();
// One whole main-loop pass.
void run_frame();

// The six status lines.
void draw_status_lines();
// The 64 x 64 overview panel of the current level.
void draw_overview_panel();
