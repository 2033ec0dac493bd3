// Text resources: copies a TEXTFILE resource's text up to its end mark "~" into a caller's buffer.
#include "gfx/text_resource.h"

#include "platform/platform.h"
#include "resources/resource_ids.h"

namespace {
constexpr unsigned char kEndMark = '~';
constexpr int kTerminatorBytes = 4;
}  // namespace

std::uint32_t copyTextUpToEndMark(const unsigned char* bytes, std::size_t size, char* destination,
                                  std::uint32_t capacity) {
    if (destination == nullptr) {
        return 0;
    }
    if (bytes == nullptr) {
        size = 0;
    }
    std::uint32_t length = 0;
    while (length < capacity && length < size && bytes[length] != kEndMark) {
        destination[length] = static_cast<char>(bytes[length]);
        ++length;
    }
    for (int i = 0; i < kTerminatorBytes; ++i) {
        destination[length + i] = '\0';
    }
    return length;
}

void loadTextResource(unsigned short id, char* destination, std::uint32_t capacity) {
    const platform::ResourceBytes resource = platform::findResource(RT_TEXTFILE_NAME, id);
    copyTextUpToEndMark(resource.data, resource.size, destination, capacity);
}
