// The About window, shown for the configure request; the screensaver has no settings.
#pragma once

// Constructing it shows the window and returns once the window has been closed.
struct AboutWindow {
    // `moduleInstance` and `showCode` are the entry point's (WinMain's) arguments.
    AboutWindow(void* moduleInstance, int showCode);
};
