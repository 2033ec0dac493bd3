// Test helper: takes the single-instance guard in a process of its own.
//
//   single_instance_holder          acquire, print "1" or "0", wait until stdin closes
//   single_instance_holder --exec   acquire, print, then exec itself as --wait: the same
//                                   process lives on, but without the guard's descriptor
//   single_instance_holder --wait   print "waiting", wait until stdin closes
//
// The wait is bounded by an alarm, so a forgotten helper never outlives the test for long.
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

namespace {

void waitForStdinToClose() {
    char buffer[64];
    while (read(STDIN_FILENO, buffer, sizeof(buffer)) > 0) {
    }
}

}  // namespace

int main(int argc, char** argv) {
    alarm(60);
    const bool waitOnly = argc > 1 && std::strcmp(argv[1], "--wait") == 0;
    if (waitOnly) {
        std::printf("waiting\n");
        std::fflush(stdout);
        waitForStdinToClose();
        return 0;
    }
    std::printf("%d\n", platform::acquireSingleInstance() ? 1 : 0);
    std::fflush(stdout);
    if (argc > 1 && std::strcmp(argv[1], "--exec") == 0) {
        char* const waitArgs[] = {argv[0], const_cast<char*>("--wait"), nullptr};
        execv("/proc/self/exe", waitArgs);
        return 1;
    }
    waitForStdinToClose();
    return 0;
}
