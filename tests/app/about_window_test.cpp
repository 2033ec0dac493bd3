// About texts and the Linux About window, which prints the three lines to standard output.
#include "about/about_window.h"

#include <gtest/gtest.h>

#include <string>

#include "about/about_text.h"
#include "platform/platform.h"

namespace {

std::string printed(const char* text) {
    ::testing::internal::CaptureStdout();
    platform::runAboutWindow(nullptr, 0, platform::AboutContent{"h", text, "b", "u"});
    return ::testing::internal::GetCapturedStdout();
}

TEST(AboutWindow, PrintsTheThreeLinesWithPlainLineEnds) {
    ::testing::internal::CaptureStdout();
    AboutWindow window(nullptr, 1);
    const std::string out = ::testing::internal::GetCapturedStdout();

    EXPECT_EQ(out.find('\r'), std::string::npos);
    std::string lines[3];
    std::size_t start = 0;
    for (std::string& line : lines) {
        const std::size_t end = out.find('\n', start);
        ASSERT_NE(end, std::string::npos) << out;
        line = out.substr(start, end - start);
        start = end + 1;
    }
    EXPECT_EQ(start, out.size()) << "more than three lines:\n" << out;
    EXPECT_NE(lines[0].find("Corvaline"), std::string::npos);
    EXPECT_NE(lines[0].find("rights reserved"), std::string::npos);
    EXPECT_NE(lines[1].find("https://corvaline.example/"), std::string::npos);
    EXPECT_NE(lines[2].find("support@corvaline.example"), std::string::npos);
}

TEST(AboutText, ButtonOpensTheSiteRootWithTheAboutQuery) {
    EXPECT_STREQ(about::kHeading, "Velmorant");
    EXPECT_STREQ(about::kButton, "Visit website");
    EXPECT_STREQ(about::kWebsiteUrl, "https://corvaline.example/?utm_source=About");
}

TEST(AboutWindowLines, SplitOnlyAtCarriageReturnLineFeed) {
    struct Case {
        const char* text;
        const char* out;
    };
    const Case cases[] = {
        {"a\r\nb\r\nc", "a\nb\nc\n"},
        {"one line", "one line\n"},
        {"a\r\n", "a\n\n"},
        {"a\rb\nc", "a\rb\nc\n"},  // lone CR or LF are not separators
        {"", ""},
        {nullptr, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(printed(c.text), c.out) << (c.text ? c.text : "(null)");
    }
}

}  // namespace
