#include "console/console.h"

#include "shell/allocate.h"
#include "shell/game_state.h"

void init_console_buffers()
{
    game.console_length = 0;
    game.console_line[0] = '\0';
    game.console_line[1] = '\0';
    game.console_tokens = allocate_table<char*>(console_token_count);
    for (int i = 0; i < console_token_count; ++i)
        game.console_tokens[i] = allocate_table<char>(console_token_size);
}

void free_console_buffers()
{
    if (!game.console_tokens) return;
    for (int i = 0; i < console_token_count; ++i) release_table(game.console_tokens[i]);
    release_table(game.console_tokens);
}

// The line editor and the commands arrive with the console itself.
void run_console() {}
