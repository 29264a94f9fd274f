#pragma once
// The top-down view of the current level.
void draw_overworld();
