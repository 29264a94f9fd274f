#include "draw/screensaver.h"

// The picture arrives with the console command that switches it on.
void draw_screensaver() {}
