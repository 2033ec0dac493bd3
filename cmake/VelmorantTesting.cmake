# velmorant_add_gtest(NAME SOURCES ... LIBS ... [LABELS ...])
# One GoogleTest executable; its cases are registered with CTest one by one.
# Labels: "unit" (no display), "gl" (needs $DISPLAY with GLX), "e2e" (starts its own X server).
function(velmorant_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  velmorant_warnings(${name})
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  gtest_discover_tests(${name} PROPERTIES LABELS "${ARG_LABELS}" DISCOVERY_TIMEOUT 60)
endfunction()
