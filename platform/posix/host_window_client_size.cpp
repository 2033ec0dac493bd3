// The preview host's client size on Linux. Drawing into a host-given X11
// window is not supported yet, so the size is never read: the caller keeps
// its fallback size and the preview run ends through its window failure.
#include "platform/platform.h"

namespace platform {

bool hostWindowClientSize(NativeWindow /*window*/, int* /*width*/, int* /*height*/) {
    return false;
}

}  // namespace platform
