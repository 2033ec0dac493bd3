// Single-instance guard on Windows: a named event in the user's local object namespace.
// Only its existence matters; nothing signals or waits on it.
#include <windows.h>

#include "platform/platform.h"

namespace {

// Kept open until the process ends; the kernel drops the event with the last handle.
HANDLE gGuardEvent = nullptr;

}  // namespace

namespace platform {

bool acquireSingleInstance() {
    // Manual reset, created non-signalled, default security; opens the event if it exists.
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, L"K_OPENGL_SCREENSAVER");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (event != nullptr) {
            CloseHandle(event);
        }
        return false;
    }
    // Created, or failed for another reason: a guard that cannot be made never blocks.
    if (event != nullptr) {
        gGuardEvent = event;
    }
    return true;
}

}  // namespace platform
