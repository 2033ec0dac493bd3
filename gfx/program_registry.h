// The scene's GLSL programs, owned under string names.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "gfx/glfw_program.h"

struct ProgramRegistry {
    // std::less<> looks names up without building a string each time (several times a frame).
    std::map<std::string, std::unique_ptr<GLFWProgram>, std::less<>> programs;

    // Builds the program (which may end the process) and records it under `name`. A name that
    // is already present keeps its first program; the new one stays built but unreachable.
    void add(const char* name, unsigned short vertexResourceId, unsigned short fragmentResourceId);

    // The program recorded under `name`, or nullptr when that name was never added.
    GLFWProgram* find(const char* name) const;

    // Makes the named program current; does nothing for a name that was never added.
    void use(const char* name) const;
};
