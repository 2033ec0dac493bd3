// Hidden-window GL context for offscreen frames, and the PNG writer.
#include "tools/offscreen_context.h"

#include <GLFW/glfw3.h>
#include <png.h>

#include <cstdio>
#include <memory>

#include "gfx/gl_api.h"

OffscreenContext::~OffscreenContext() {
    if (window != nullptr) {
        glfwDestroyWindow(window);
    }
    // GLFW stays initialised, as in the screensaver: glfwTerminate would unload the GL driver,
    // and the leak checker could then no longer name the driver's own allocations.
}

namespace {

void reportGlfwError(int code, const char* description) {
    std::fprintf(stderr, "offscreen: GLFW error 0x%x: %s\n", code, description);
}

}  // namespace

bool OffscreenContext::open(int w, int h) {
    glfwSetErrorCallback(reportGlfwError);
    if (glfwInit() == GLFW_FALSE) {
        std::fprintf(stderr, "offscreen: cannot start GLFW (no display?)\n");
        return false;
    }
    // The screensaver's context request; the window stays hidden.
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    glfwWindowHint(GLFW_SAMPLES, 0);
    glfwWindowHint(GLFW_STEREO, GLFW_FALSE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window = glfwCreateWindow(w, h, "velmorant-frame", nullptr, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "offscreen: cannot open a %dx%d window\n", w, h);
        return false;
    }
    glfwMakeContextCurrent(window);
    width = w;
    height = h;
    loadResult = loadGLFunctions();
    return true;
}

FrameImage OffscreenContext::readPixels() const {
    FrameImage image;
    image.width = width;
    image.height = height;
    image.rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    glapi::glFinish();
    glapi::glReadBuffer(GL_BACK);
    glapi::glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glapi::glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
    return image;
}

bool writePng(const char* path, const FrameImage& image) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "wb"), &std::fclose);
    if (!file) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_byte> row(static_cast<std::size_t>(image.width) * 3);
    // libpng reports errors by longjmp; nothing with a destructor is created past this point.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            row[static_cast<std::size_t>(x) * 3 + 0] = p[0];
            row[static_cast<std::size_t>(x) * 3 + 1] = p[1];
            row[static_cast<std::size_t>(x) * 3 + 2] = p[2];
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(file.get()) == 0;
}
