// The one seam between Velmorant and the operating system.
//
// Every function here has a Win32 implementation under platform/win32/ and a
// Linux/X11 equivalent under platform/posix/, each in a file named after it.
// Nothing outside platform/ and the build files may test for the platform.
// The texts shown through showMessageBox live in platform/message_texts.h.
//
// Promises, on every platform:
// - showMessageBox: tells the user `text` under `caption` and returns once the
//   user has seen it (Win32: an owner-less MessageBoxA; Linux: one line
//   "<caption>: <text>" on standard error).
// - exitProcess: ends the process through the C runtime's normal exit
//   (exit handlers run) with `code`; never returns.
// - acquireSingleInstance: true when this process may run; false only when
//   another live process of the same user already holds the guard. The guard
//   is held until the process ends, however it ends. A guard that cannot be
//   created for any other reason never blocks the launch.
// - findResource: the bytes of resource (typeName, id) carried inside this
//   executable; {nullptr, 0} when there is none. The bytes live as long as
//   the process and must not be written.
// - windowsVersionNumber: major * 10 + minor of the OS version (51, 60, 61…);
//   Linux reports a value of a current system (at least 60).
// - hostWindowClientSize / isHostWindowEnabled: the preview host's window,
//   named by the number on the command line.
// - resolveGLProcs: looks up OpenGL entry points by name for the current
//   context; a name that is not found gets nullptr.
// - runAboutWindow: shows the About window and returns when it is closed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// The host's preview window as given on the command line (HWND on Win32,
// an X11 window id on Linux); 0 is no window.
using NativeWindow = std::intptr_t;

enum class MessageIcon { Information, Warning };

void showMessageBox(const char* text, const char* caption, MessageIcon icon);

[[noreturn]] void exitProcess(int code);

bool acquireSingleInstance();

struct ResourceBytes {
    const unsigned char* data;
    std::size_t size;
};
ResourceBytes findResource(const char* typeName, unsigned short id);

int windowsVersionNumber();

// GetVersion's result as major * 10 + minor: the low byte of the low word is
// the major version, the high byte of the low word the minor.
constexpr int versionNumberFromGetVersion(std::uint32_t getVersionResult) {
    return static_cast<int>(getVersionResult & 0xFFu) * 10 +
           static_cast<int>((getVersionResult >> 8) & 0xFFu);
}

// Client size of the host window; false (sizes untouched) when it cannot be read.
bool hostWindowClientSize(NativeWindow window, int* width, int* height);

// False when the host window is disabled or no longer exists.
bool isHostWindowEnabled(NativeWindow window);

using GLProc = void (*)();
void resolveGLProcs(const char* const* names, GLProc* procs, std::size_t count);

// What the About window shows; the texts themselves live in about/.
struct AboutContent {
    const char* heading;  // product name
    const char* text;     // three lines separated by "\r\n"
    const char* button;   // caption of the button that opens `url`
    const char* url;
};

// `moduleInstance` and `showCode` are WinMain's arguments (ignored on Linux).
void runAboutWindow(void* moduleInstance, int showCode, const AboutContent& content);

}  // namespace platform
