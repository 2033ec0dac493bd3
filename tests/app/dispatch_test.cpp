// Launch dispatch with fakes for the guard, the About window and the screensaver run.
#include "app/dispatch.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Seen {
    bool guardResult = true;
    int guardCalls = 0;
    int aboutCalls = 0;
    void* aboutInstance = nullptr;
    int aboutShowCode = 0;
    int screensaverCalls = 0;
    LaunchOptions* screensaverOptions = nullptr;
    LaunchOptions optionsAtRun{LaunchMode::Unspecified, 0};
};
Seen seen;

bool fakeGuard() {
    ++seen.guardCalls;
    return seen.guardResult;
}
void fakeAbout(void* moduleInstance, int showCode) {
    ++seen.aboutCalls;
    seen.aboutInstance = moduleInstance;
    seen.aboutShowCode = showCode;
}
void fakeScreensaver(LaunchOptions* options) {
    ++seen.screensaverCalls;
    seen.screensaverOptions = options;
    seen.optionsAtRun = *options;
}

const LaunchHandoffs kFakes{fakeGuard, fakeAbout, fakeScreensaver};

struct DispatchCase {
    const char* commandLine;
    bool guardResult;
    bool guardCalled;
    bool aboutRuns;
    bool screensaverRuns;
    LaunchMode mode;
    platform::NativeWindow hostWindow;
};

std::ostream& operator<<(std::ostream& out, const DispatchCase& c) {
    return out << '"' << c.commandLine << "\" guard " << (c.guardResult ? "free" : "held");
}

class DispatchLaunch : public ::testing::TestWithParam<DispatchCase> {
  protected:
    void SetUp() override { seen = Seen{}; }
};

TEST_P(DispatchLaunch, GuardsAndHandsOver) {
    const DispatchCase& c = GetParam();
    seen.guardResult = c.guardResult;
    int moduleInstance = 0;

    EXPECT_EQ(dispatchLaunch(c.commandLine, &moduleInstance, 5, kFakes), 0);

    EXPECT_EQ(seen.guardCalls, c.guardCalled ? 1 : 0);
    EXPECT_EQ(seen.aboutCalls, c.aboutRuns ? 1 : 0);
    EXPECT_EQ(seen.screensaverCalls, c.screensaverRuns ? 1 : 0);
    if (c.aboutRuns) {
        EXPECT_EQ(seen.aboutInstance, &moduleInstance);
        EXPECT_EQ(seen.aboutShowCode, 5);
    }
    if (c.screensaverRuns) {
        EXPECT_EQ(seen.screensaverOptions, launchOptions());
        EXPECT_EQ(seen.optionsAtRun.mode, c.mode);
        EXPECT_EQ(seen.optionsAtRun.hostWindow, c.hostWindow);
    }
    // The process-wide options hold the parse on every path, also when the guard refused.
    ASSERT_NE(launchOptions(), nullptr);
    EXPECT_EQ(launchOptions()->mode, c.mode);
    EXPECT_EQ(launchOptions()->hostWindow, c.hostWindow);
}

using M = LaunchMode;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Modes, DispatchLaunch,
    ::testing::Values(
        //           text        guard free   guard?  about   run     mode             host
        DispatchCase{"",         true,        true,   false,  true,   M::Unspecified,  0},
        DispatchCase{"",         false,       true,   false,  false,  M::Unspecified,  0},
        DispatchCase{"/p 1234",  true,        true,   false,  true,   M::Preview,      1234},
        DispatchCase{"/p 1234",  false,       true,   false,  false,  M::Preview,      1234},
        DispatchCase{"/S",       false,       true,   false,  false,  M::Unspecified,  0},
        DispatchCase{"/s",       false,       false,  false,  true,   M::FullScreen,   0},
        DispatchCase{"/c /s",    false,       false,  false,  true,   M::FullScreen,   0},
        DispatchCase{"/c:5678",  false,       false,  true,   false,  M::Configure,    5678},
        DispatchCase{"/p 1 /c",  true,        false,  true,   false,  M::Configure,    0}));
// clang-format on

TEST(DispatchLaunchOptions, OneObjectForTheProcess) {
    const LaunchHandoffs none{nullptr, nullptr, nullptr};
    EXPECT_EQ(dispatchLaunch("/p 7", nullptr, 0, none), 0);
    LaunchOptions* first = launchOptions();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->hostWindow, 7);

    EXPECT_EQ(dispatchLaunch("/c", nullptr, 0, none), 0);
    EXPECT_EQ(launchOptions(), first);
    EXPECT_EQ(first->mode, LaunchMode::Configure);
}

}  // namespace
