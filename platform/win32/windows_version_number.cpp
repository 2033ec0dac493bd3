// The Windows version as major * 10 + minor, from GetVersion.
#include <windows.h>

#include "platform/platform.h"

namespace platform {

int windowsVersionNumber() {
    return versionNumberFromGetVersion(static_cast<std::uint32_t>(GetVersion()));
}

}  // namespace platform
