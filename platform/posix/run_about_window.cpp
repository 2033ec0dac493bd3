// The About window on Linux: no native window yet, so the three About lines go to standard
// output, one per line.
#include <cstdio>

#include "platform/platform.h"

namespace platform {

void runAboutWindow(void* /*moduleInstance*/, int /*showCode*/, const AboutContent& content) {
    const char* text = content.text;
    if (text == nullptr || text[0] == '\0') {
        return;
    }
    // Lines are separated by "\r\n"; each one is printed ending in a plain "\n".
    const char* lineStart = text;
    for (const char* at = text;; ++at) {
        const bool lineBreak = at[0] == '\r' && at[1] == '\n';
        if (lineBreak || at[0] == '\0') {
            std::fwrite(lineStart, 1, static_cast<std::size_t>(at - lineStart), stdout);
            std::fputc('\n', stdout);
            if (at[0] == '\0') {
                break;
            }
            ++at;  // past the '\r'; the loop steps past the '\n'
            lineStart = at + 1;
        }
    }
    std::fflush(stdout);
}

}  // namespace platform
