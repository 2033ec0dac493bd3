// Preview adoption on Linux/X11: not implemented yet. Returning null (and
// reporting nothing) sends a preview run through the window failure path.
#include "app/glfw_adopt.h"

extern "C" GLFWwindow* glfwAdoptNativeWindow(platform::NativeWindow /*handle*/,
                                             GLFWwindow* /*share*/) {
    return nullptr;
}
