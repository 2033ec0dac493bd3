// Builds a GLSL program from two text resources and caches its location lookups by name.
#include "gfx/glfw_program.h"

#include <algorithm>
#include <vector>

#include "gfx/gl_api.h"
#include "gfx/text_resource.h"
#include "platform/message_texts.h"
#include "platform/platform.h"

namespace {

// Shows the compiler's log and then `message`, both under "Debug", deletes the shader and
// ends the process with exit code 0.
[[noreturn]] void failCompilation(GLuint shader, const char* message) {
    GLint length = 0;
    glapi::glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    length = std::max<GLint>(length, 0);
    // Zero-filled and one byte longer than GL may write, so the text always ends, even when
    // the driver reports no log at all.
    std::vector<char> log(static_cast<std::size_t>(length) + 1, '\0');
    GLsizei written = 0;
    glapi::glGetShaderInfoLog(shader, length, &written, log.data());
    platform::showMessageBox(log.data(), messages::kCaptionDebug,
                             platform::MessageIcon::Information);
    platform::showMessageBox(message, messages::kCaptionDebug, platform::MessageIcon::Information);
    glapi::glDeleteShader(shader);
    platform::exitProcess(0);
}

GLuint compileShader(GLenum type, const char* source, const char* failureMessage) {
    const GLuint shader = glapi::glCreateShader(type);
    const GLchar* text = source;
    glapi::glShaderSource(shader, 1, &text, nullptr);
    glapi::glCompileShader(shader);
    GLint status = 0;
    glapi::glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status == 0) {
        failCompilation(shader, failureMessage);
    }
    return shader;
}

}  // namespace

GLFWProgram::GLFWProgram(unsigned short vertexResourceId, unsigned short fragmentResourceId)
    : vertexSource(new char[kSourceBytes]), fragmentSource(new char[kSourceBytes]) {
    loadTextResource(vertexResourceId, vertexSource.get(), kSourceCapacity);
    loadTextResource(fragmentResourceId, fragmentSource.get(), kSourceCapacity);

    program = glapi::glCreateProgram();
    // The vertex shader is checked before the fragment shader exists, so a broken vertex text
    // ends the process without touching the fragment text.
    vertexShader =
        compileShader(GL_VERTEX_SHADER, vertexSource.get(), messages::kVertexShaderFailed);
    fragmentShader =
        compileShader(GL_FRAGMENT_SHADER, fragmentSource.get(), messages::kFragmentShaderFailed);

    glapi::glAttachShader(program, vertexShader);
    glapi::glAttachShader(program, fragmentShader);
    glapi::glLinkProgram(program);
}

void GLFWProgram::use() const {
    glapi::glUseProgram(program);
}

std::int32_t GLFWProgram::uniformLocation(const char* name) {
    return lookupLocation(LocationKind::Uniform, name);
}

std::int32_t GLFWProgram::attributeLocation(const char* name) {
    return lookupLocation(LocationKind::Attribute, name);
}

std::int32_t GLFWProgram::lookupLocation(LocationKind kind, const char* name) {
    const auto found = locationCache.find(name);
    if (found != locationCache.end()) {
        return found->second;
    }
    const std::int32_t location = kind == LocationKind::Uniform
                                      ? glapi::glGetUniformLocation(program, name)
                                      : glapi::glGetAttribLocation(program, name);
    locationCache.emplace(name, location);
    return location;
}

void GLFWProgram::loadTextResource(unsigned short id, char* destination, std::uint32_t capacity) {
    ::loadTextResource(id, destination, capacity);
}
