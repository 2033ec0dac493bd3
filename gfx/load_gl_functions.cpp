// Loads the generated OpenGL entry-point table for the current context and checks its version.
#include <vector>

#include "gfx/gl_api.h"

int loadGLFunctions() {
    std::vector<platform::GLProc> procs(glapi::kProcCount, nullptr);
    platform::resolveGLProcs(glapi::kProcNames, procs.data(), procs.size());
    glapi::assignProcs(procs.data());

    if (glapi::glGetIntegerv == nullptr) {
        return -1;
    }
    // A context older than 3.0 rejects these queries and leaves the values untouched.
    GLint major = 0;
    GLint minor = 0;
    glapi::glGetIntegerv(GL_MAJOR_VERSION, &major);
    glapi::glGetIntegerv(GL_MINOR_VERSION, &minor);
    return major < 3 ? -1 : 0;
}
