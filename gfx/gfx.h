// gfx: GL entry points, text resources, programs, mesh preparation, drawables, ocean pass.
#pragma once
