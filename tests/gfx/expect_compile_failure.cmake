# Runs a frame tool whose STAGE ("vertex" or "fragment") shader text does not compile and checks
# the outcome: the compiler's log box, then the stage's box, both captioned "Debug", nothing
# else on standard error, exit code 0, and no picture written.
# Usage: cmake -DTOOL=... -DSTAGE=... -DOUTPUT=... -P expect_compile_failure.cmake
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${TOOL} 64 36 1 ${OUTPUT}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(STAGE STREQUAL "vertex")
  set(box "Vertex shader compilation error")
  set(symbol "undeclared_vertex_input")
else()
  set(box "Fragment shader compilation error")
  set(symbol "undeclared_fragment_input")
endif()

set(problems "")
if(NOT rc STREQUAL "0")
  string(APPEND problems "exit code '${rc}', expected 0\n")
endif()
if(EXISTS ${OUTPUT})
  string(APPEND problems "a picture was written\n")
endif()
# The log box comes first and carries the compiler's complaint about this stage's text.
string(FIND "${err}" "Debug: " log_at)
string(FIND "${err}" "${symbol}" symbol_at)
string(FIND "${err}" "\nDebug: ${box}\n" box_at)
if(NOT log_at EQUAL 0)
  string(APPEND problems "standard error does not start with the log box\n")
endif()
if(symbol_at EQUAL -1 OR box_at EQUAL -1 OR NOT symbol_at LESS box_at)
  string(APPEND problems "expected the log (naming ${symbol}) and then '${box}'\n")
endif()
# Exactly two boxes, and the box line is the last line.
string(REGEX MATCHALL "(^|\n)Debug: " boxes "${err}")
list(LENGTH boxes box_count)
if(NOT box_count EQUAL 2)
  string(APPEND problems "${box_count} boxes, expected 2\n")
endif()
string(LENGTH "${err}" err_length)
string(LENGTH "\nDebug: ${box}\n" tail_length)
math(EXPR expected_box_at "${err_length} - ${tail_length}")
if(NOT box_at EQUAL expected_box_at)
  string(APPEND problems "something follows the '${box}' box\n")
endif()
# A failing vertex stage ends the run before the fragment text is compiled.
if(STAGE STREQUAL "vertex" AND err MATCHES "undeclared_fragment_input|Fragment shader")
  string(APPEND problems "the fragment shader was compiled after the vertex failure\n")
endif()

if(problems)
  message(FATAL_ERROR "${problems}--- standard error ---\n${err}--- standard output ---\n${out}")
endif()
