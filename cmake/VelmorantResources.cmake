# velmorant_embed_resources(<target> <rc-file>)
# Builds an OBJECT library <target> that carries every file of the resource script <rc-file>
# as an embedded table (see resources/embedded_resource_table.h). platform::findResource reads
# it on Linux. Link it straight into an executable; an executable links at most one table.
function(velmorant_embed_resources target rc_file)
  get_filename_component(rc_path ${rc_file} ABSOLUTE)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}_table.cpp)
  add_custom_command(
    OUTPUT ${generated}
    COMMAND ${VELMORANT_PYTHON} ${PROJECT_SOURCE_DIR}/tools/embed_resources.py
            ${rc_path} ${generated} ${generated}.d
    DEPENDS ${rc_path} ${PROJECT_SOURCE_DIR}/tools/embed_resources.py
    DEPFILE ${generated}.d
    COMMENT "Embedding the resources of ${rc_file}"
    VERBATIM)
  add_library(${target} OBJECT ${generated})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  velmorant_warnings(${target})
endfunction()
