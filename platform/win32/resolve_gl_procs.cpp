// OpenGL entry-point lookup on Windows: the driver's wglGetProcAddress first (extensions and
// everything past OpenGL 1.1), then opengl32.dll's own exports (the OpenGL 1.1 functions).
#include <windows.h>

#include "platform/platform.h"

namespace platform {

namespace {

// Some drivers answer wglGetProcAddress with small integers or -1 instead of null when they do
// not know a name; such values must never be stored as function pointers.
bool isUsableWglProc(PROC proc) {
    const auto value = reinterpret_cast<std::intptr_t>(proc);
    return value != 0 && value != 1 && value != 2 && value != 3 && value != -1;
}

}  // namespace

void resolveGLProcs(const char* const* names, GLProc* procs, std::size_t count) {
    HMODULE library = LoadLibraryA("opengl32.dll");
    using WglGetProcAddress = PROC(WINAPI*)(LPCSTR);
    WglGetProcAddress wglGetProc = nullptr;
    if (library != nullptr) {
        wglGetProc = reinterpret_cast<WglGetProcAddress>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "wglGetProcAddress")));
    }
    for (std::size_t i = 0; i < count; ++i) {
        PROC proc = nullptr;
        if (wglGetProc != nullptr) {
            proc = wglGetProc(names[i]);
            if (!isUsableWglProc(proc)) {
                proc = nullptr;
            }
        }
        if (proc == nullptr && library != nullptr) {
            proc = GetProcAddress(library, names[i]);
        }
        procs[i] = reinterpret_cast<GLProc>(reinterpret_cast<void (*)()>(proc));
    }
    // GLFW keeps its own reference to opengl32.dll, so the addresses stay valid.
    if (library != nullptr) {
        FreeLibrary(library);
    }
}

}  // namespace platform
