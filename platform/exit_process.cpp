// Process exit through the C runtime, so exit handlers run.
#include "platform/platform.h"

#include <cstdlib>

namespace platform {

void exitProcess(int code) {
    std::exit(code);
}

}  // namespace platform
