// Command-line parse: switches, the number after them, and texts that end early.
#include "app/launch_options.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <ostream>

namespace {

constexpr platform::NativeWindow kMax = INT32_MAX;
constexpr platform::NativeWindow kMin = INT32_MIN;

struct ParseCase {
    const char* text;
    LaunchMode mode;
    platform::NativeWindow hostWindow;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) {
    return out << '"' << c.text << '"';
}

class ParseCommandLine : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLine, GivesModeAndHostWindow) {
    const ParseCase& c = GetParam();
    // An exactly sized heap copy, so a read past the terminating zero is caught by ASan.
    const std::size_t size = std::strlen(c.text) + 1;
    std::unique_ptr<char[]> text(new char[size]);
    std::memcpy(text.get(), c.text, size);

    const LaunchOptions options = parseCommandLine(text.get());
    EXPECT_EQ(options.mode, c.mode);
    EXPECT_EQ(options.hostWindow, c.hostWindow);
}

using M = LaunchMode;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Switches, ParseCommandLine,
    ::testing::Values(ParseCase{"", M::Unspecified, 0},
                      ParseCase{"/s", M::FullScreen, 0},
                      ParseCase{"/p 1234", M::Preview, 1234},
                      ParseCase{"/p:1234", M::Preview, 1234},
                      ParseCase{"/c:5678", M::Configure, 5678},
                      ParseCase{"/c", M::Configure, 0},
                      ParseCase{"   /s", M::FullScreen, 0},          // leading blanks
                      ParseCase{"x/s", M::FullScreen, 0},            // a switch need not lead
                      ParseCase{"/S", M::Unspecified, 0},            // uppercase is not a switch
                      ParseCase{"/P 12", M::Unspecified, 0},
                      ParseCase{"-s", M::Unspecified, 0},            // only '/' introduces one
                      ParseCase{"/x 5", M::Unspecified, 0},          // nothing read before a switch
                      ParseCase{"/c /s", M::FullScreen, 0},          // the last switch wins
                      ParseCase{"/p 10 /x 20", M::Preview, 20},      // read at an unknown '/' too
                      ParseCase{"/p:1234 /c", M::Configure, 0},
                      ParseCase{"/s 12/p", M::Preview, 0},           // switch inside the number
                      ParseCase{"/p 1/s 2", M::FullScreen, 2}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    TextEndsEarly, ParseCommandLine,
    ::testing::Values(ParseCase{"/", M::Unspecified, 0},
                      ParseCase{"/p", M::Preview, 0},
                      ParseCase{"/p ", M::Preview, 0},
                      ParseCase{"/p 10 /", M::Preview, 0},
                      ParseCase{"/p 10 /x", M::Preview, 0},
                      ParseCase{"/p 10 /x ", M::Preview, 0}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Number, ParseCommandLine,
    ::testing::Values(ParseCase{"/p1234", M::Preview, 234},     // one separator, whatever it is
                      ParseCase{"/p -5", M::Preview, -5},       // sign-extended to the handle
                      ParseCase{"/p +12abc", M::Preview, 12},
                      ParseCase{"/p   +12abc", M::Preview, 12},  // blanks before the sign
                      ParseCase{"/p \t\n\v\f\r42", M::Preview, 42},
                      ParseCase{"/p 1 2", M::Preview, 1},
                      ParseCase{"/p abc", M::Preview, 0},
                      ParseCase{"/p -", M::Preview, 0},
                      ParseCase{"/p - 5", M::Preview, 0},
                      ParseCase{"/p --5", M::Preview, 0},
                      ParseCase{"/p 00042", M::Preview, 42},
                      ParseCase{"/p 2147483647", M::Preview, kMax},
                      ParseCase{"/p -2147483648", M::Preview, kMin},
                      ParseCase{"/p 2147483648", M::Preview, kMax},  // saturates
                      ParseCase{"/p -2147483649", M::Preview, kMin},
                      ParseCase{"/p 4294967295", M::Preview, kMax},  // not wrapped to -1
                      ParseCase{"/p 99999999999", M::Preview, kMax},
                      ParseCase{"/p -99999999999", M::Preview, kMin},
                      ParseCase{"/p 99999999999999999999999999999 /x 7", M::Preview, 7}));
// clang-format on

TEST(ParseCommandLineNull, IsReadAsEmpty) {
    const LaunchOptions options = parseCommandLine(nullptr);
    EXPECT_EQ(options.mode, LaunchMode::Unspecified);
    EXPECT_EQ(options.hostWindow, 0);
}

}  // namespace
