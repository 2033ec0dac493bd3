// Layout of the resource table that the Linux build embeds into an executable.
// tools/embed_resources.py generates one table per resource script; the executable
// links exactly one of them (velmorant_resources, or a test's own table).
#pragma once

#include <cstddef>

extern "C" {

struct EmbeddedResource {
    const char* typeName;
    unsigned short id;
    const unsigned char* data;
    std::size_t size;
};

struct EmbeddedResourceTable {
    const EmbeddedResource* entries;
    std::size_t count;
};

// Defined by the generated table; weak where it is used, so an executable without a
// table links and simply has no resources.
const EmbeddedResourceTable* velmorant_embedded_resource_table();
}
