// The resource embedding step: a fixture script's files, byte for byte, under (type, id).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/platform.h"

namespace {

std::string readFixture(const char* name) {
    std::ifstream file(std::string(VELMORANT_FIXTURE_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(EmbedResources, CarriesEachEntryByteForByte) {
    struct Case {
        const char* type;
        unsigned short id;
        const char* file;
    };
    const Case cases[] = {
        {"TEXTFILE", 200, "text_with_mark.txt"},  // id from the included header
        {"TEXTFILE", 7, "binary.bin"},            // id defined in the script
        {"TEXTFILE", 301, "empty.txt"},
        {"CUSTOM", 301, "text_with_mark.txt"},  // type name from a define, hex id
        {"textfile", 200, "text_with_mark.txt"},  // type names match whatever their case
    };
    for (const Case& c : cases) {
        const std::string expected = readFixture(c.file);
        const platform::ResourceBytes resource = platform::findResource(c.type, c.id);
        ASSERT_NE(resource.data, nullptr) << c.type << " " << c.id;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(resource.data), resource.size),
                  expected)
            << c.type << " " << c.id;
    }
    EXPECT_EQ(readFixture("binary.bin").size(), 12u);  // NUL, 0xFF, CR LF survive
}

TEST(EmbedResources, UnknownTypeOrIdIsMissing) {
    struct Case {
        const char* type;
        unsigned short id;
    };
    const Case cases[] = {
        {"TEXTFILE", 300},  // only inside a comment
        {"TEXTFILE", 1},    // a string-table line
        {"CUSTOM", 200},    // right id, other type
        {nullptr, 200},
    };
    for (const Case& c : cases) {
        const platform::ResourceBytes resource = platform::findResource(c.type, c.id);
        EXPECT_EQ(resource.data, nullptr) << c.id;
        EXPECT_EQ(resource.size, 0u) << c.id;
    }
}
