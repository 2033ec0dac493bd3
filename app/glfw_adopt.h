// Turning a native window that already exists (the preview host's) into a
// GLFW window with an OpenGL context. On Win32 this is an addition to GLFW's
// own window code; where no implementation exists yet it returns null, so a
// preview run ends through the window failure path.
#pragma once

#include <GLFW/glfw3.h>

#include "platform/platform.h"

extern "C" GLFWwindow* glfwAdoptNativeWindow(platform::NativeWindow handle, GLFWwindow* share);
