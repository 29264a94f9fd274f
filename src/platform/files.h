#pragma once
// Where the program's data lives: the folder that holds map/ and the bmp_*
// folders. Files are named with portable relative paths ("map/8.overworld").
#include <string>

void set_data_folder(const std::string& folder);
const std::string& data_folder();
// The full path of a file inside the data folder.
std::string data_path(const std::string& relative);
// The data folder to use without --data: the current directory when it holds
// map/ or a bmp_* folder, else the executable's own folder, else the
// share/tarnwick folder of an installed program.
std::string default_data_folder();
// Whether a folder looks like a data folder (holds map/ or a bmp_* folder).
bool holds_data(const std::string& folder);
