// The OS version number on Linux. Only the window-size rule reads it, and a
// Linux desktop behaves like a current Windows there (full screen at the
// monitor's own mode), so it reports a value well above 60.
#include "platform/platform.h"

namespace platform {

int windowsVersionNumber() {
    return 100;
}

}  // namespace platform
