// Resource lookup on Windows: the executable's own resources, compiled from the resource script.
#include <windows.h>

#include "platform/platform.h"

namespace platform {

ResourceBytes findResource(const char* typeName, unsigned short id) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), typeName);
    if (found == nullptr) {
        return {nullptr, 0};
    }
    HGLOBAL loaded = LoadResource(nullptr, found);
    if (loaded == nullptr) {
        return {nullptr, 0};
    }
    const DWORD size = SizeofResource(nullptr, found);
    const void* data = LockResource(loaded);
    if (data == nullptr) {
        return {nullptr, 0};
    }
    return {static_cast<const unsigned char*>(data), static_cast<std::size_t>(size)};
}

}  // namespace platform
