# Benchmarks: they print figures and never pass or fail on time; not part of the test suite.
# velmorant_frame_bench draws ocean frames through the frame tool's code path at 1280x720 and
# 640x360. Run it on a display, e.g.:
#   LIBGL_ALWAYS_SOFTWARE=1 bash scripts/with-xvfb.sh <build>/bench/velmorant_frame_bench
add_executable(velmorant_frame_bench ${CMAKE_CURRENT_SOURCE_DIR}/frame_bench.cpp)
target_link_libraries(velmorant_frame_bench PRIVATE velmorant_offscreen velmorant_resources)
velmorant_warnings(velmorant_frame_bench)
