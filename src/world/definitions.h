#pragma once
// The item definition records.

// Writes record 0 and the built-in item kinds.
void build_definitions();
// Copies the starting items onto their own indices.
void make_starting_definitions();
