#pragma once
// Shared between the files of the platform layer only.
#include "platform/platform.h"

const platform_settings& current_settings();
// The scripted input in use, or null when the real keyboard and mouse are read.
struct scripted_input;
scripted_input* active_script();
