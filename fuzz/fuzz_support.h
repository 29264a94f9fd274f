#pragma once
// What the fuzz targets share: a small world set up once, and a scratch
// folder to hand each input to the loaders, which read files by name.
#include <cstddef>
#include <cstdint>
#include <string>

// Initialises the state record once, with a small world and the overworld screen.
void start_small_world();
// A folder of this process's own, created on first use.
const std::string& scratch_folder_path();
// Writes the input to the file relative to the scratch folder and returns its full path.
std::string write_input(const std::string& relative, const uint8_t* data, size_t size);
