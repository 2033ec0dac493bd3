// Message boxes on Windows: an owner-less MessageBoxA with an information or
// warning icon; returns when the user dismisses it.
#include <windows.h>

#include "platform/platform.h"

namespace platform {

void showMessageBox(const char* text, const char* caption, MessageIcon icon) {
    const UINT style = icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION;
    MessageBoxA(nullptr, text, caption, style);
}

}  // namespace platform
