// The scene's GLSL programs by name.
#include "gfx/program_registry.h"

void ProgramRegistry::add(const char* name, unsigned short vertexResourceId,
                          unsigned short fragmentResourceId) {
    auto program = std::make_unique<GLFWProgram>(vertexResourceId, fragmentResourceId);
    programs.try_emplace(std::string(name), std::move(program));
}

GLFWProgram* ProgramRegistry::find(const char* name) const {
    const auto found = programs.find(name);
    return found == programs.end() ? nullptr : found->second.get();
}

void ProgramRegistry::use(const char* name) const {
    if (GLFWProgram* program = find(name)) {
        program->use();
    }
}
