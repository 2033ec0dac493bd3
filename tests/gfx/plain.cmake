# Window-less gfx tests: text resources, the resource embedding step, mesh preparation.
velmorant_add_gtest(text_resource_test
  SOURCES text_resource_test.cpp
  LIBS velmorant_gfx velmorant_resources)
target_compile_definitions(text_resource_test PRIVATE
  VELMORANT_SOURCE_DIR="${PROJECT_SOURCE_DIR}")

velmorant_embed_resources(embed_fixture_resources ${PROJECT_SOURCE_DIR}/tests/data/embed/fixture.rc)
velmorant_add_gtest(embed_resources_test
  SOURCES embed_resources_test.cpp
  LIBS velmorant_platform embed_fixture_resources)
target_compile_definitions(embed_resources_test PRIVATE
  VELMORANT_FIXTURE_DIR="${PROJECT_SOURCE_DIR}/tests/data/embed")

velmorant_add_gtest(mesh_preparation_test
  SOURCES mesh_preparation_test.cpp
  LIBS velmorant_gfx velmorant_resources)
