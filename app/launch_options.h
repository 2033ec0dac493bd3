// The parsed screensaver command line: which mode to run in and the host's preview window.
#pragma once

#include <cstdint>

#include "platform/platform.h"

enum class LaunchMode : std::int32_t {
    Preview = 0,      // "/p": draw into the host's preview window
    FullScreen = 1,   // "/s": full-screen run
    Configure = 2,    // "/c": About window (there are no settings)
    Unspecified = 3,  // no switch recognised: full-screen run, like FullScreen
};

struct LaunchOptions {
    LaunchMode mode;
    platform::NativeWindow hostWindow;  // 0 when no number was read
};

// Turns the command-line text (the part after the program name) into LaunchOptions.
// A pure function of the text; never reads past its terminating zero.
//
// Every character is visited. At each '/' the next character selects the mode: lowercase
// 'p', 's' or 'c' only; anything else leaves the mode as it was. Once any switch has been
// recognised, each '/' also sets hostWindow from the number that starts three characters
// after the '/' (the switch letter and one separator are skipped, whatever they are), or
// to 0 when the text ends before that position.
//
// The number is a signed 32-bit decimal: leading white space, an optional sign, then digits
// up to the first non-digit; no digits give 0. A value beyond the 32-bit range saturates to
// INT32_MIN or INT32_MAX (what a 32-bit strtol returns). The result is widened to
// platform::NativeWindow by sign extension.
//
// A null pointer is read as the empty text.
LaunchOptions parseCommandLine(const char* commandLine);
