// Every text that Velmorant shows the user through platform::showMessageBox, in one place.
#pragma once

namespace messages {

// Captions.
inline constexpr const char* kCaptionDebug = "Debug";    // the program's own set-up failures
inline constexpr const char* kCaptionError = "Error";    // errors reported by GLFW
inline constexpr const char* kCaptionAbout = "Error!";   // failures of the About window

// Texts.
inline constexpr const char* kGlfwInitFailed = "Failed to initialize GLFW";
inline constexpr const char* kWindowOpenFailed = "Failed to open window";
inline constexpr const char* kVertexShaderFailed = "Vertex shader compilation error";
inline constexpr const char* kFragmentShaderFailed = "Fragment shader compilation error";
inline constexpr const char* kMeshLoadFailed = "Failed to load mesh";
inline constexpr const char* kWindowRegistrationFailed = "Window Registration Failed!";
inline constexpr const char* kWindowCreationFailed = "Window Creation Failed!";

}  // namespace messages
