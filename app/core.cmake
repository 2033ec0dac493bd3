# Plain launch logic: command-line parse and dispatch (no window, no GL).
add_library(velmorant_app_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/launch_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dispatch.cpp)
target_include_directories(velmorant_app_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(velmorant_app_core PUBLIC velmorant_platform)
velmorant_warnings(velmorant_app_core)
