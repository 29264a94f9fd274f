#include "bench_support.h"

#include <cstdlib>

#include "platform/files.h"
#include "platform/platform.h"
#include "shell/program.h"

void ensure_started()
{
    static bool started = false;
    if (started) return;
    started = true;
    configure_platform({.headless = true, .no_sleep = true});
    set_data_folder(TARNWICK_DATA);
    if (!start_up()) std::abort();
}
