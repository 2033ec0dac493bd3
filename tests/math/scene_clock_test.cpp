#include "math/scene_clock.h"

#include <gtest/gtest.h>

#include <cmath>

#include "math/screen_metrics.h"

namespace {

TEST(SceneClock, StoresTimeAndViewport) {
    SceneClock clock(0.0f);
    EXPECT_EQ(clock.getTime(), 0.0f);
    clock.setViewport(1920.0f, 1080.0f);
    EXPECT_EQ(clock.getViewportWidth(), 1920.0f);
    EXPECT_EQ(clock.getViewportHeight(), 1080.0f);
    clock.setTime(12.25f);
    EXPECT_EQ(clock.getTime(), 12.25f);
}

TEST(SceneClock, ADayOfRunningStepsInUnitsOfOneOver128) {
    SceneClock clock(0.0f);
    const double day = 86400.0;
    clock.setTime(static_cast<float>(day + 0.001));
    EXPECT_EQ(clock.getTime(), 86400.0f);  // no rescaling, no wrap
    EXPECT_EQ(std::nextafter(clock.getTime(), 1e9f) - clock.getTime(), 1.0f / 128.0f);
}

TEST(ScreenMetrics, AspectFollowsEverySize) {
    ScreenMetrics m;
    m.set(1920, 1080);
    EXPECT_FLOAT_EQ(m.aspect, 1920.0f / 1080.0f);
    m.set(0, 0);  // a minimised window
    EXPECT_EQ(m.width, 0);
    EXPECT_TRUE(std::isnan(m.aspect));
}

}  // namespace
