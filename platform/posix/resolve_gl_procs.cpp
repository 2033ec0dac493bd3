// OpenGL entry-point lookup on Linux/X11: GLFW asks GLX for each name on the current context.
#include <GLFW/glfw3.h>

#include "platform/platform.h"

namespace platform {

void resolveGLProcs(const char* const* names, GLProc* procs, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        // Mesa's GLX answers every "gl*" name with a dispatch stub; that is harmless, the
        // stubs of functions the driver lacks are never called.
        procs[i] = glfwGetProcAddress(names[i]);
    }
}

}  // namespace platform
