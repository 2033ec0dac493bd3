// Whether the preview host's window is still enabled: IsWindowEnabled, which
// also gives zero for a window that no longer exists.
#include <windows.h>

#include "platform/platform.h"

namespace platform {

bool isHostWindowEnabled(NativeWindow window) {
    return IsWindowEnabled(reinterpret_cast<HWND>(window)) != 0;
}

}  // namespace platform
