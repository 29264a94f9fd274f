#pragma once
// The typed console: its line, its token buffers and its commands.

// Empties the line and allocates the token buffers, all empty.
void init_console_buffers();
// Releases the token buffers and the array that holds them.
void free_console_buffers();
// Opens and closes the console, edits its line and runs a submitted command.
void run_console();
