// The window-size rule and the icon's column-to-row transposition.
#include "app/screensaver_app.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/window_icon.h"

namespace {

struct SizeCase {
    const char* name;
    WindowSizeInputs inputs;
    int width;
    int height;
};

TEST(ChooseWindowSize, FollowsModeVersionAndWhatCouldBeRead) {
    const SizeCase cases[] = {
        {"full screen on 6.0 takes the monitor mode",
         {LaunchMode::FullScreen, false, 0, 0, 60, 1920, 1080},
         1920,
         1080},
        {"unspecified on 6.1 takes the monitor mode",
         {LaunchMode::Unspecified, false, 0, 0, 61, 1280, 1024},
         1280,
         1024},
        {"5.1 runs at 800 x 600 whatever the mode",
         {LaunchMode::FullScreen, false, 0, 0, 51, 1920, 1080},
         800,
         600},
        {"no monitor mode (GLFW not running) falls back",
         {LaunchMode::FullScreen, false, 0, 0, 100, 0, 0},
         800,
         600},
        {"half a monitor mode falls back",
         {LaunchMode::Unspecified, false, 0, 0, 100, 1920, 0},
         800,
         600},
        {"preview takes the host's client size, version aside",
         {LaunchMode::Preview, true, 152, 112, 51, 1920, 1080},
         152,
         112},
        {"preview keeps a 0 x 0 host size",
         {LaunchMode::Preview, true, 0, 0, 100, 1920, 1080},
         0,
         0},
        {"unreadable host window falls back",
         {LaunchMode::Preview, false, 0, 0, 100, 1920, 1080},
         800,
         600},
    };
    for (const SizeCase& c : cases) {
        ScreenMetrics metrics;
        chooseWindowSize(c.inputs, &metrics);
        EXPECT_EQ(metrics.width, c.width) << c.name;
        EXPECT_EQ(metrics.height, c.height) << c.name;
        if (c.height != 0) {
            EXPECT_FLOAT_EQ(metrics.aspect,
                            static_cast<float>(c.width) / static_cast<float>(c.height))
                << c.name;
        } else {
            EXPECT_TRUE(std::isnan(metrics.aspect)) << c.name;
        }
    }
}

TEST(WindowIcon, ColumnTableBecomesRows) {
    // Every pixel names its own column and row, so any mix-up shows.
    std::vector<unsigned char> columns(kWindowIconBytes);
    for (int x = 0; x < kWindowIconSide; ++x) {
        for (int y = 0; y < kWindowIconSide; ++y) {
            unsigned char* p = &columns[static_cast<std::size_t>((x * kWindowIconSide + y) * 4)];
            p[0] = static_cast<unsigned char>(x);
            p[1] = static_cast<unsigned char>(y);
            p[2] = static_cast<unsigned char>(x ^ y);
            p[3] = 255;
        }
    }
    std::vector<unsigned char> rows(kWindowIconBytes);
    windowIconColumnsToRows(columns.data(), rows.data());
    for (int y = 0; y < kWindowIconSide; ++y) {
        for (int x = 0; x < kWindowIconSide; ++x) {
            const unsigned char* p = &rows[static_cast<std::size_t>((y * kWindowIconSide + x) * 4)];
            ASSERT_EQ(p[0], x) << "row " << y << " column " << x;
            ASSERT_EQ(p[1], y) << "row " << y << " column " << x;
            ASSERT_EQ(p[2], x ^ y);
            ASSERT_EQ(p[3], 255);
        }
    }
}

}  // namespace
