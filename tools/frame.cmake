# The offscreen frame tool and the hidden-window context it shares with the GL tests and the
# benchmark. Not part of the screensaver.
find_package(PNG REQUIRED)

add_library(velmorant_offscreen STATIC ${CMAKE_CURRENT_SOURCE_DIR}/offscreen_context.cpp)
target_include_directories(velmorant_offscreen PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(velmorant_offscreen PUBLIC velmorant_gfx glfw PNG::PNG)
velmorant_warnings(velmorant_offscreen)

# velmorant_add_frame_tool(<target> <resource-table>): the frame tool linked with a resource
# table; tests build variants with broken shader texts this way.
function(velmorant_add_frame_tool target table)
  add_executable(${target} ${PROJECT_SOURCE_DIR}/tools/velmorant_frame.cpp)
  target_link_libraries(${target} PRIVATE velmorant_offscreen ${table})
  velmorant_warnings(${target})
endfunction()

velmorant_add_frame_tool(velmorant_frame velmorant_resources)
