// A GLSL program built from two text resources (vertex and fragment shader), with a cache
// that asks GL for each uniform or attribute location only once per name.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

// The query behind a cached location lookup.
enum class LocationKind : std::int32_t {
    Uniform = 0,    // glGetUniformLocation
    Attribute = 1,  // glGetAttribLocation
};

struct GLFWProgram {
    // Shader texts as read from the resources, kept for the life of the program.
    static constexpr std::uint32_t kSourceCapacity = 16384;
    static constexpr std::uint32_t kSourceBytes = kSourceCapacity + 4;

    std::unique_ptr<char[]> vertexSource;
    std::unique_ptr<char[]> fragmentSource;
    std::uint32_t vertexShader = 0;
    std::uint32_t fragmentShader = 0;
    std::uint32_t program = 0;
    // One entry per name, whatever kind was asked first; an entry never changes.
    std::map<std::string, std::int32_t, std::less<>> locationCache;

    // Needs a current context with the GL entry points loaded. A shader that does not compile
    // shows the compiler's log and ends the process with exit code 0.
    GLFWProgram(unsigned short vertexResourceId, unsigned short fragmentResourceId);

    GLFWProgram(const GLFWProgram&) = delete;
    GLFWProgram& operator=(const GLFWProgram&) = delete;

    void use() const;

    // -1 for a name the linked program does not use; that answer is cached like any other.
    std::int32_t uniformLocation(const char* name);
    std::int32_t attributeLocation(const char* name);
    std::int32_t lookupLocation(LocationKind kind, const char* name);

    // Reads a text resource up to its "~" mark; `destination` holds capacity + 4 bytes.
    static void loadTextResource(unsigned short id, char* destination, std::uint32_t capacity);
};
