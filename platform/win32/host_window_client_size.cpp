// The preview host's client size from GetClientRect.
#include <windows.h>

#include "platform/platform.h"

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
