// The Linux entry point: rebuilds the command-line text a Windows entry point
// would get (the arguments after the program name, joined by single spaces)
// and hands it to the launch dispatch.
#include <string>

#include "about/about_window.h"
#include "app/dispatch.h"
#include "app/main_loop.h"
#include "app/screensaver_app.h"
#include "platform/platform.h"

namespace {

// Created once and never destroyed, like the other long-lived objects; kept
// reachable so leak checkers do not flag it.
AboutWindow* aboutWindow = nullptr;

void runAboutWindow(void* moduleInstance, int showCode) {
    aboutWindow = new AboutWindow(moduleInstance, showCode);
}

void runScreensaver(LaunchOptions* options) {
    screensaverApp = new ScreensaverApp(options);
    runMainLoop();
}

}  // namespace

int main(int argc, char** argv) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            commandLine += ' ';
        }
        commandLine += argv[i];
    }
    const LaunchHandoffs handoffs{platform::acquireSingleInstance, runAboutWindow, runScreensaver};
    return dispatchLaunch(commandLine.c_str(), nullptr, 0, handoffs);
}
