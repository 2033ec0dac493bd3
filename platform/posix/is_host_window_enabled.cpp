// Whether the preview host's window is still enabled, on Linux. No host window
// is adopted on Linux yet (a preview run never reaches the frame loop), so
// there is nothing to draw into: report it as gone, which ends a preview loop
// at once should one ever start.
#include "platform/platform.h"

namespace platform {

bool isHostWindowEnabled(NativeWindow /*window*/) {
    return false;
}

}  // namespace platform
