# GL tests: real OpenGL on Mesa; they need $DISPLAY (scripts/test.sh runs them on a private Xvfb).
velmorant_add_gtest(gfx_gl_tests
  SOURCES gl_api_test.cpp ocean_scene_test.cpp program_registry_test.cpp
  LIBS velmorant_offscreen velmorant_resources
  LABELS gl)

# A shader text that does not compile ends the process through the "Debug" boxes with code 0.
# The frame tool is built twice more with resource tables whose shader texts are broken.
foreach(stage vertex fragment)
  velmorant_embed_resources(gfx_broken_${stage}_resources
    ${CMAKE_CURRENT_SOURCE_DIR}/data/broken_${stage}.rc)
  velmorant_add_frame_tool(gfx_broken_${stage}_frame gfx_broken_${stage}_resources)
  add_test(NAME gfx.ShaderCompileFailure.${stage}
    COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:gfx_broken_${stage}_frame> -DSTAGE=${stage}
            -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/broken_${stage}.png
            -P ${CMAKE_CURRENT_SOURCE_DIR}/expect_compile_failure.cmake)
  set_tests_properties(gfx.ShaderCompileFailure.${stage} PROPERTIES LABELS gl)
endforeach()

# The frame tool itself: a PNG of the requested size, and bad arguments refused.
add_test(NAME gfx.FrameToolWritesAPng
  COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:velmorant_frame>
          -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/frame_tool_test.png
          -P ${CMAKE_CURRENT_SOURCE_DIR}/expect_frame_png.cmake)
set_tests_properties(gfx.FrameToolWritesAPng PROPERTIES LABELS gl)
