// Built into the sanitizer build's programs only: keeps the leak reports
// about our own code.
#include <dlfcn.h>

#ifndef GL_DRIVER_FOLDER
#define GL_DRIVER_FOLDER "/usr/lib/dri/"
#endif

// The system's D-Bus library keeps its shared connection (used by SDL to hold
// off the screensaver) for the whole process, by its own design.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n";
}

namespace {

// Mesa's drivers are loaded and unloaded with every GL window; what they keep
// in their own globals then shows up as leaks with no names attached. Pinning
// the driver modules for the whole process keeps those blocks reachable.
const char* const driver_modules[] = {
    "libEGL_mesa.so.0",
    "libGLX_mesa.so.0",
    "libglapi.so.0",
    GL_DRIVER_FOLDER "swrast_dri.so",
    GL_DRIVER_FOLDER "kms_swrast_dri.so",
};

__attribute__((constructor)) void keep_gl_drivers_loaded()
{
    for (const char* module : driver_modules) dlopen(module, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
}

}  // namespace
