#pragma once
// The item definition records.
#include <cstdint>

// Writes record 0 and the built-in item kinds, each at its own kind number.
void build_definitions();
// Copies record source onto record destination, its grade_value set to its
// grade; indices outside the table are ignored.
void copy_definition(int32_t destination, int32_t source);
// Copies the starting items onto their own indices.
void make_starting_definitions();

