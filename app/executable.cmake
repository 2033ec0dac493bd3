# The screensaver executable: window, main loop and entry point on top of the
# launch logic, the About window, the drawing code and the embedded resources.
add_library(velmorant_app_run STATIC
  ${CMAKE_CURRENT_LIST_DIR}/screensaver_app.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_loop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_icon_data.cpp)
# Adopting the preview host's window: on Win32 it belongs to GLFW's own window code (the
# library built with that addition provides it); elsewhere a file of ours stands in.
set(VELMORANT_GLFW_ADOPT ${CMAKE_CURRENT_LIST_DIR}/glfw_adopt/glfw_adopt_${VELMORANT_PLATFORM}.cpp)
if(EXISTS ${VELMORANT_GLFW_ADOPT})
  target_sources(velmorant_app_run PRIVATE ${VELMORANT_GLFW_ADOPT})
endif()
target_include_directories(velmorant_app_run PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(velmorant_app_run PUBLIC
  velmorant_app_core velmorant_gfx velmorant_platform glfw)
velmorant_warnings(velmorant_app_run)

add_executable(velmorant ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
set_target_properties(velmorant PROPERTIES OUTPUT_NAME velmorant)
target_link_libraries(velmorant PRIVATE
  velmorant_app_run velmorant_app_core velmorant_about velmorant_gfx velmorant_resources
  velmorant_platform glfw)
velmorant_warnings(velmorant)
