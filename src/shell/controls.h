#pragma once
// The viewer's keyboard and mouse bindings, polled at fixed points of every frame.

// The camera onto the selected unit's cell and level, unclamped.
void camera_onto_selected_unit();
// '[' and ']': the previous or next unit, with the camera jumping onto it.
void handle_selection_keys();
// Right button: move order for the selected unit; left button: select by cell.
void handle_mouse_orders();
// N: show or hide the overview panel and move it under the cursor.
void handle_overview_key();
// Right button over the shown panel: the camera jumps to the clicked block.
void handle_panel_click();
// F1..F4: window zoom; M: the window moves to the cursor.
void handle_window_keys();
// Arrows and keypad + -, then the per-frame camera clamp.
void handle_camera_keys();
// Escape, F5, F6 and the unit speed keys 1, 2, 3.
void handle_program_keys();
// A white plus sign at the cursor, in place of the hidden system cursor.
void draw_crosshair();
