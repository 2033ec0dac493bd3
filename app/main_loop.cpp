// The frame loop: timer, render, swap, poll, exit tests. It paces itself only
// through vertical sync; it never sleeps.
#include "app/main_loop.h"

#include <GLFW/glfw3.h>

#include "app/screensaver_app.h"
#include "platform/platform.h"

OceanScene* oceanScene = nullptr;

void updateFrame() {
    const float t = static_cast<float>(glfwGetTime());
    oceanScene->renderFrame(t);
}

void runMainLoop() {
    GLFWwindow* window = screensaverApp->window;
    const LaunchOptions* options = screensaverApp->options;

    oceanScene = new OceanScene(&screenMetrics);
    oceanScene->setupScene();

    bool running = true;
    while (running) {
        updateFrame();
        glfwSwapBuffers(window);
        glfwPollEvents();  // the input callbacks may end the process in here
        if (glfwGetKey(window, GLFW_KEY_ESCAPE) != GLFW_RELEASE) {
            running = false;
        }
        if (glfwWindowShouldClose(window) == 1) {
            running = false;
        }
        if (options->mode == LaunchMode::Preview &&
            !platform::isHostWindowEnabled(options->hostWindow)) {
            return;  // the host disabled or destroyed its preview window
        }
    }
}
