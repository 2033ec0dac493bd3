// What the entry point does after start: parse, guard, then the About window or the run.
#pragma once

#include "app/launch_options.h"

// The three things the dispatch hands over to; the entry point passes the real ones
// (platform::acquireSingleInstance, the About window, the screensaver run), tests pass fakes.
struct LaunchHandoffs {
    bool (*acquireSingleInstance)();
    void (*runAboutWindow)(void* moduleInstance, int showCode);
    void (*runScreensaver)(LaunchOptions* options);
};

// Parses `commandLine` into the process-wide LaunchOptions (see launchOptions()), then:
// Preview and Unspecified launches must pass acquireSingleInstance first (false: return at
// once, nothing else happens); Configure runs the About window; every other mode runs the
// screensaver with the process-wide options. Returns 0 on every path.
//
// A null hand-off is skipped: a missing guard lets the launch through, a missing About
// window or screensaver run just returns 0.
int dispatchLaunch(const char* commandLine, void* moduleInstance, int showCode,
                   const LaunchHandoffs& handoffs);

// The process-wide LaunchOptions: nullptr before the first dispatchLaunch; afterwards the
// same heap object for the rest of the process (never freed; a later dispatchLaunch
// overwrites its fields in place). The main loop reads mode and hostWindow through it.
LaunchOptions* launchOptions();
