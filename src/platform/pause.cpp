#include <chrono>
#include <thread>

#include "platform/platform.h"
#include "platform/platform_internal.h"

namespace {
pause_totals totals;
}

void pause_ms(int milliseconds)
{
    totals.count += 1;
    totals.milliseconds += milliseconds;
    if (current_settings().no_sleep || milliseconds <= 0) return;
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    totals.slept_ms +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

pause_totals pauses_so_far()
{
    return totals;
}
