// The frame loop of a screensaver run: builds the ocean scene once, then
// draws, presents and polls input until an exit condition holds.
#pragma once

#include "gfx/ocean_scene.h"

// The one scene, created by runMainLoop and never destroyed.
extern OceanScene* oceanScene;

// Needs the published ScreensaverApp (window open, context current). Returns
// when Escape is down, the window's close flag is set, or, in a preview run,
// the host window is no longer enabled. Key and mouse-button events end the
// process from inside the event poll instead.
void runMainLoop();

// Reads the GLFW timer and has the scene render one frame with it.
void updateFrame();
