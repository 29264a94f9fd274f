// Draws every glyph of both fonts with the program's own text drawing and
// writes the picture as a BMP: glyph_sheet OUTPUT.bmp
#include <cstdio>

#include "draw/framebuffer.h"
#include "draw/text.h"
#include "shell/game_state.h"
#include "shell/run_record.h"

namespace {

void draw_row(int y, int first, int last, bool large)
{
    int pen = 8;
    for (int code = first; code <= last; ++code) {
        std::snprintf(game.text_line, sizeof game.text_line, "%c", code);
        large ? draw_text_large(pen, y, 255, 255, 0) : draw_text_small(pen, y, 255, 255, 0);
        pen += large ? 10 : 9;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyph_sheet OUTPUT.bmp\n");
        return 2;
    }
    set_screen_mode(640, 120);
    const int rows[][2] = {{33, 64}, {65, 96}, {97, 126}};
    for (int i = 0; i < 3; ++i) draw_row(112 - 12 * i, rows[i][0], rows[i][1], false);
    for (int i = 0; i < 3; ++i) draw_row(74 - 22 * i, rows[i][0], rows[i][1], true);
    const bool written = write_bmp_file(argv[1], game.framebuffer, game.screen_width, game.screen_height);
    free_game_state();
    return written ? 0 : 1;
}
