# Runs the frame tool and checks that it writes a PNG of the requested size, and that bad
# arguments get the usage text and exit code 2 without a picture.
# Usage: cmake -DTOOL=... -DOUTPUT=... -P expect_frame_png.cmake
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${TOOL} 96 54 20 ${OUTPUT} RESULT_VARIABLE rc ERROR_VARIABLE err TIMEOUT 60)
if(NOT rc STREQUAL "0" OR NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "frame tool failed (${rc}): ${err}")
endif()
# PNG signature, then the IHDR chunk: width and height as big-endian 32-bit numbers.
file(READ ${OUTPUT} signature HEX LIMIT 8)
file(READ ${OUTPUT} size HEX OFFSET 16 LIMIT 8)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT size STREQUAL "0000006000000036")
  message(FATAL_ERROR "not a 96x54 PNG: signature ${signature}, size ${size}")
endif()

file(REMOVE ${OUTPUT})
foreach(arguments "0;54;20" "96;54;nan" "96;54;20;${OUTPUT};extra" "96;x;20" "9000;54;20")
  execute_process(COMMAND ${TOOL} ${arguments} ${OUTPUT}
    RESULT_VARIABLE rc ERROR_VARIABLE err TIMEOUT 60)
  if(NOT rc STREQUAL "2" OR NOT err MATCHES "usage:" OR EXISTS ${OUTPUT})
    message(FATAL_ERROR "arguments '${arguments}': exit ${rc}, expected 2 with the usage: ${err}")
  endif()
endforeach()
