// Single-instance guard on Linux, per user, released by the kernel however the process ends.
//
// With an absolute $XDG_RUNTIME_DIR (private to the user) the guard is an exclusive flock on
// "$XDG_RUNTIME_DIR/K_OPENGL_SCREENSAVER.lock". Without one, it is a unix socket bound to the
// abstract name "K_OPENGL_SCREENSAVER.<uid>". Either way the descriptor stays open for the
// life of the process and is close-on-exec, so programs we start never inherit the guard.
// A launch that has the variable and one that lacks it (a desktop session and a bare ssh
// login, say) use different guards and so do not hold each other back.
#include <errno.h>
#include <fcntl.h>
#include <stddef.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/platform.h"

namespace {

constexpr const char* kGuardName = "K_OPENGL_SCREENSAVER";

// Held (never closed) for the life of the process; -1 while no guard is held.
int gGuardDescriptor = -1;

enum class Outcome { Acquired, Taken, Unavailable };

Outcome lockRuntimeFile(const char* runtimeDir) {
    const std::string path = std::string(runtimeDir) + "/" + kGuardName + ".lock";
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return Outcome::Unavailable;
    }
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        gGuardDescriptor = fd;
        return Outcome::Acquired;
    }
    const bool taken = errno == EWOULDBLOCK;
    close(fd);
    return taken ? Outcome::Taken : Outcome::Unavailable;
}

Outcome bindAbstractSocket() {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return Outcome::Unavailable;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // Abstract namespace: a leading zero byte, then the name (not zero-terminated).
    char name[sizeof(address.sun_path) - 1];
    const int length = std::snprintf(name, sizeof(name), "%s.%lu", kGuardName,
                                     static_cast<unsigned long>(getuid()));
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof(name)) {
        close(fd);
        return Outcome::Unavailable;
    }
    std::memcpy(address.sun_path + 1, name, static_cast<std::size_t>(length));
    const auto addressLength = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 +
                                                      static_cast<std::size_t>(length));
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), addressLength) == 0) {
        gGuardDescriptor = fd;
        return Outcome::Acquired;
    }
    const bool taken = errno == EADDRINUSE;
    close(fd);
    return taken ? Outcome::Taken : Outcome::Unavailable;
}

}  // namespace

namespace platform {

bool acquireSingleInstance() {
    if (gGuardDescriptor >= 0) {
        return true;  // this process already holds it
    }
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir != nullptr && runtimeDir[0] == '/') {
        const Outcome outcome = lockRuntimeFile(runtimeDir);
        if (outcome != Outcome::Unavailable) {
            return outcome == Outcome::Acquired;
        }
    }
    // No usable runtime directory, or the lock file cannot be made: the abstract socket.
    // Any failure other than "already held" lets the launch through.
    return bindAbstractSocket() != Outcome::Taken;
}

}  // namespace platform
