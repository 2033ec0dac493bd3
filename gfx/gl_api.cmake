# Generates the OpenGL entry-point table (gfx/gl_api.h + gl_api.cpp) into the build tree from
# the Khronos registry (Debian package khronos-api) and adds it to velmorant_gfx.
set(VELMORANT_GL_REGISTRY /usr/share/khronos-api/gl.xml CACHE FILEPATH "Khronos gl.xml")
if(NOT EXISTS ${VELMORANT_GL_REGISTRY})
  message(FATAL_ERROR "gl.xml not found at ${VELMORANT_GL_REGISTRY} (install khronos-api)")
endif()

set(VELMORANT_GL_API_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(VELMORANT_GL_API_HEADER ${VELMORANT_GL_API_DIR}/gfx/gl_api.h)
set(VELMORANT_GL_API_SOURCE ${VELMORANT_GL_API_DIR}/gfx/gl_api.cpp)
set(VELMORANT_GL_API_GENERATOR ${PROJECT_SOURCE_DIR}/tools/gen_gl_api.py)
# GL functions use the stdcall convention on 32-bit Windows.
if(WIN32)
  set(VELMORANT_GL_APIENTRY __stdcall)
else()
  set(VELMORANT_GL_APIENTRY "")
endif()

add_custom_command(
  OUTPUT ${VELMORANT_GL_API_HEADER} ${VELMORANT_GL_API_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMORANT_GL_API_DIR}/gfx
  COMMAND ${VELMORANT_PYTHON} ${VELMORANT_GL_API_GENERATOR}
          --registry ${VELMORANT_GL_REGISTRY}
          --header ${VELMORANT_GL_API_HEADER}
          --source ${VELMORANT_GL_API_SOURCE}
          "--apientry=${VELMORANT_GL_APIENTRY}"
  DEPENDS ${VELMORANT_GL_API_GENERATOR} ${VELMORANT_GL_REGISTRY}
  COMMENT "Generating the OpenGL entry-point table"
  VERBATIM)
add_custom_target(velmorant_gl_api DEPENDS ${VELMORANT_GL_API_HEADER} ${VELMORANT_GL_API_SOURCE})

target_sources(velmorant_gfx PRIVATE ${VELMORANT_GL_API_SOURCE})
target_include_directories(velmorant_gfx PUBLIC ${VELMORANT_GL_API_DIR})
add_dependencies(velmorant_gfx velmorant_gl_api)
