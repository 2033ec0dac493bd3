// Launch dispatch: which modes are guarded, which show the About window, which run.
#include "app/dispatch.h"

namespace {

LaunchOptions* gLaunchOptions = nullptr;

}  // namespace

LaunchOptions* launchOptions() {
    return gLaunchOptions;
}

int dispatchLaunch(const char* commandLine, void* moduleInstance, int showCode,
                   const LaunchHandoffs& handoffs) {
    // Lives until the process ends; reused rather than replaced so a pointer handed out
    // earlier never dangles and nothing is lost.
    if (gLaunchOptions == nullptr) {
        gLaunchOptions = new LaunchOptions{LaunchMode::Unspecified, 0};
    }
    *gLaunchOptions = parseCommandLine(commandLine);
    LaunchOptions* options = gLaunchOptions;

    const bool guarded =
        options->mode == LaunchMode::Preview || options->mode == LaunchMode::Unspecified;
    if (guarded && handoffs.acquireSingleInstance != nullptr && !handoffs.acquireSingleInstance()) {
        return 0;  // another guarded instance is alive: leave silently
    }

    if (options->mode == LaunchMode::Configure) {
        if (handoffs.runAboutWindow != nullptr) {
            handoffs.runAboutWindow(moduleInstance, showCode);
        }
        return 0;
    }

    if (handoffs.runScreensaver != nullptr) {
        handoffs.runScreensaver(options);
    }
    return 0;
}
