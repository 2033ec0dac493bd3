// Message boxes on Linux: one line "<caption>: <text>" on standard error.
// There is no desktop dialog to wait for, so the line is flushed before
// returning: the process may end right after (several boxes are fatal).
#include <cstdio>

#include "platform/platform.h"

namespace platform {

void showMessageBox(const char* text, const char* caption, MessageIcon /*icon*/) {
    std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "",
                 text != nullptr ? text : "");
    std::fflush(stderr);
}

}  // namespace platform
