#pragma once
// Blue noise with four circles, renewed every 50 frames.
void draw_screensaver();
