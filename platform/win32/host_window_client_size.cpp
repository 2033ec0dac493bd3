// The preview host's client size from GetClientRect.
#include "platform/platform.h"

#include <windows.h>

namespace platform {

bool hostWindowClientSize(NativeWindow window, int* width, int* height) {
    RECT rect{};
    if (GetClientRect(reinterpret_cast<HWND>(window), &rect) == 0) {
        return false;
    }
    *width = static_cast<int>(rect.right - rect.left);
    *height = static_cast<int>(rect.bottom - rect.top);
    return true;
}

}  // namespace platform
