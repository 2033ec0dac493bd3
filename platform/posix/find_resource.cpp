// Resource lookup on Linux: the table that the build embedded from the resource script.
#include <strings.h>

#include "platform/platform.h"
#include "resources/embedded_resource_table.h"

// Weak, so that an executable that links no table still links; it then has no resources.
extern "C" const EmbeddedResourceTable* velmorant_embedded_resource_table() __attribute__((weak));

namespace platform {

// Named resource types match whatever their letter case, as they do in a Win32 module.
ResourceBytes findResource(const char* typeName, unsigned short id) {
    if (typeName == nullptr || velmorant_embedded_resource_table == nullptr) {
        return {nullptr, 0};
    }
    const EmbeddedResourceTable* table = velmorant_embedded_resource_table();
    for (std::size_t i = 0; i < table->count; ++i) {
        const EmbeddedResource& entry = table->entries[i];
        if (entry.id == id && strcasecmp(entry.typeName, typeName) == 0) {
            return {entry.data, entry.size};
        }
    }
    return {nullptr, 0};
}

}  // namespace platform
