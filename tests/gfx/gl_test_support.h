// Shared pieces of the GL tests: a hidden-window context fixture and call spies that sit in
// front of entries of the GL table, record the call and forward it to the real driver.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/gl_api.h"
#include "tools/offscreen_context.h"

// A context of kWidth x kHeight with the GL table loaded, for each test.
class GlContextTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 90;

    void SetUp() override {
        ASSERT_TRUE(context.open(kWidth, kHeight)) << "needs an X display (run under scripts/with-xvfb.sh)";
        ASSERT_EQ(context.loadResult, 0) << "needs OpenGL 3.0 or newer";
    }

    OffscreenContext context;
};

// Names of the GL calls seen by the installed spies, in order.
inline std::vector<std::string>& glCallLog() {
    static std::vector<std::string> log;
    return log;
}

// Replaces a table entry for the lifetime of the object and puts the original back afterwards.
template <typename Proc>
class ProcOverride {
  public:
    ProcOverride(Proc& slot, Proc replacement) : slot_(slot), original_(slot) {
        slot_ = replacement;
    }
    ~ProcOverride() { slot_ = original_; }
    ProcOverride(const ProcOverride&) = delete;
    ProcOverride& operator=(const ProcOverride&) = delete;

  private:
    Proc& slot_;
    Proc original_;
};
