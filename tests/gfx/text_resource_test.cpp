// Text resources: the copy up to "~" on plain bytes, and the real shader resources.
#include "gfx/text_resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "resources/resource_ids.h"

namespace {

constexpr char kUntouched = 'X';

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(TextResource, CopiesUpToTheFirstMarkAndTerminatesWithFourZeros) {
    struct Case {
        const char* name;
        std::string bytes;
        std::uint32_t capacity;
        std::string text;
    };
    const Case cases[] = {
        {"mark first", "~abc", 16, ""},
        {"text around marks", "ab\r\n//~\r\ncd~e", 16, "ab\r\n//"},
        {"no mark: the whole resource", "abc", 16, "abc"},
        {"empty resource", "", 16, ""},
        {"longer than the capacity: cut", "abcdefgh~", 4, "abcd"},
        {"exactly the capacity", "abcd~", 4, "abcd"},
        {"zero capacity", "abc~", 0, ""},
    };
    for (const Case& c : cases) {
        // capacity + 4 bytes belong to the reader; the guard bytes after them must stay.
        std::vector<char> buffer(c.capacity + 4 + 8, kUntouched);
        const std::uint32_t length =
            copyTextUpToEndMark(reinterpret_cast<const unsigned char*>(c.bytes.data()),
                                c.bytes.size(), buffer.data(), c.capacity);
        EXPECT_EQ(length, c.text.size()) << c.name;
        EXPECT_EQ(std::string(buffer.data(), length), c.text) << c.name;
        EXPECT_EQ(std::string(buffer.data() + length, 4), std::string(4, '\0')) << c.name;
        for (std::size_t i = length + 4; i < buffer.size(); ++i) {
            EXPECT_EQ(buffer[i], kUntouched) << c.name << " at " << i;
        }
    }
}

TEST(TextResource, NeverReadsPastTheResource) {
    // A heap block of exactly the resource's size: ASan reports any read past it.
    std::vector<unsigned char> bytes = {'a', 'b', 'c'};
    bytes.shrink_to_fit();
    std::vector<char> buffer(16 + 4, kUntouched);
    EXPECT_EQ(copyTextUpToEndMark(bytes.data(), bytes.size(), buffer.data(), 16), 3u);
    EXPECT_EQ(copyTextUpToEndMark(nullptr, 5, buffer.data(), 16), 0u);
    EXPECT_EQ(buffer[0], '\0');
}

TEST(TextResource, ShaderResourcesGiveTheirTextBeforeTheMark) {
    struct Case {
        unsigned short id;
        const char* file;
        const char* firstLine;
        std::size_t textBytes;  // before the mark; the resource has 3 more: "~" CR LF
    };
    const Case cases[] = {
        {IDR_BACKGROUND_FRAGMENT, "background.frag", "#version 130", 5677},
        {IDR_BACKGROUND_VERTEX, "background.vert", "#version 110", 372},
    };
    for (const Case& c : cases) {
        const std::string contents =
            readFile(std::string(VELMORANT_SOURCE_DIR) + "/resources/shaders/" + c.file);
        ASSERT_FALSE(contents.empty()) << c.file;
        EXPECT_EQ(contents.compare(contents.size() - 5, 5, "//~\r\n"), 0) << c.file;
        const std::string expected = contents.substr(0, contents.find('~'));

        // The embedded bytes are the file's bytes.
        const platform::ResourceBytes resource = platform::findResource(RT_TEXTFILE_NAME, c.id);
        ASSERT_NE(resource.data, nullptr) << c.file;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(resource.data), resource.size),
                  contents)
            << c.file;

        std::vector<char> buffer(16384 + 4, kUntouched);
        loadTextResource(c.id, buffer.data(), 16384);
        EXPECT_EQ(std::string(buffer.data()), expected) << c.file;
        EXPECT_EQ(expected.size(), c.textBytes) << c.file;
        EXPECT_EQ(std::string(buffer.data() + expected.size(), 4), std::string(4, '\0')) << c.file;
        EXPECT_EQ(expected.compare(0, std::string(c.firstLine).size(), c.firstLine), 0) << c.file;
        EXPECT_EQ(expected.compare(expected.size() - 2, 2, "//"), 0) << c.file;
    }
}

TEST(TextResource, MissingResourceGivesAnEmptyText) {
    std::vector<char> buffer(16 + 4, kUntouched);
    loadTextResource(9999, buffer.data(), 16);
    EXPECT_EQ(std::string(buffer.data(), 4), std::string(4, '\0'));
    EXPECT_EQ(buffer[4], kUntouched);
}
