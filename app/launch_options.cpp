// Command-line parse for the screensaver switches /p, /s and /c.
#include "app/launch_options.h"

#include <cstdint>
#include <limits>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// strtol-like read of a signed 32-bit decimal that saturates instead of overflowing.
// The magnitude is accumulated as a negative number so INT32_MIN itself is reachable.
std::int32_t readInt32(const char* text) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

    while (isBlank(*text)) {
        ++text;
    }
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    std::int32_t value = 0;  // always <= 0 while reading
    bool saturated = false;
    for (; *text >= '0' && *text <= '9'; ++text) {
        const std::int32_t digit = *text - '0';
        if (saturated) {
            continue;  // keep consuming digits, like strtol
        }
        if (value < (kMin + digit) / 10) {
            saturated = true;
            continue;
        }
        value = value * 10 - digit;
    }
    if (saturated) {
        return negative ? kMin : kMax;
    }
    if (negative) {
        return value;
    }
    return value == kMin ? kMax : -value;
}

}  // namespace

LaunchOptions parseCommandLine(const char* commandLine) {
    LaunchOptions options{LaunchMode::Unspecified, 0};
    if (commandLine == nullptr) {
        return options;
    }
    for (const char* at = commandLine; *at != '\0'; ++at) {
        if (*at != '/') {
            continue;
        }
        switch (at[1]) {
            case 'p':
                options.mode = LaunchMode::Preview;
                break;
            case 's':
                options.mode = LaunchMode::FullScreen;
                break;
            case 'c':
                options.mode = LaunchMode::Configure;
                break;
            default:
                break;
        }
        if (options.mode == LaunchMode::Unspecified) {
            continue;
        }
        // The number starts after the switch letter and one separator. Test each of the two
        // skipped characters for the end of the text before looking further.
        if (at[1] != '\0' && at[2] != '\0') {
            options.hostWindow = static_cast<platform::NativeWindow>(readInt32(at + 3));
        } else {
            options.hostWindow = 0;
        }
    }
    return options;
}
