// Programs and the registry on a real context: the per-name location cache and the registry's
// answers for names added twice or never. Uses the embedded ocean shader texts.
#include "gfx/program_registry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "gfx/gl_api.h"
#include "gfx/mesh_buffer_set.h"
#include "resources/resource_ids.h"
#include "tests/gfx/gl_test_support.h"

namespace {

glapi::PFNGLGETUNIFORMLOCATIONPROC realGetUniformLocation;
glapi::PFNGLGETATTRIBLOCATIONPROC realGetAttribLocation;

GLint VELMORANT_GLAPIENTRY countingGetUniformLocation(GLuint program, const GLchar* name) {
    glCallLog().push_back(std::string("uniform ") + name);
    return realGetUniformLocation(program, name);
}

GLint VELMORANT_GLAPIENTRY countingGetAttribLocation(GLuint program, const GLchar* name) {
    glCallLog().push_back(std::string("attribute ") + name);
    return realGetAttribLocation(program, name);
}

GLint VELMORANT_GLAPIENTRY changedGetUniformLocation(GLuint, const GLchar*) {
    return 42;
}

class ProgramTest : public GlContextTest {
  protected:
    void SetUp() override {
        GlContextTest::SetUp();
        if (HasFatalFailure()) return;
        registry.add("BackgroundProgram", IDR_BACKGROUND_VERTEX, IDR_BACKGROUND_FRAGMENT);
        program = registry.find("BackgroundProgram");
        ASSERT_NE(program, nullptr);
        // The spies go in after the table has been loaded for this context.
        realGetUniformLocation = glapi::glGetUniformLocation;
        realGetAttribLocation = glapi::glGetAttribLocation;
        uniformSpy.emplace(glapi::glGetUniformLocation, &countingGetUniformLocation);
        attributeSpy.emplace(glapi::glGetAttribLocation, &countingGetAttribLocation);
        glCallLog().clear();
    }

    ProgramRegistry registry;
    GLFWProgram* program = nullptr;
    std::optional<ProcOverride<glapi::PFNGLGETUNIFORMLOCATIONPROC>> uniformSpy;
    std::optional<ProcOverride<glapi::PFNGLGETATTRIBLOCATIONPROC>> attributeSpy;
};

TEST_F(ProgramTest, BuildsALinkedProgramFromTheTwoTexts) {
    GLint linked = 0;
    glapi::glGetProgramiv(program->program, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
    EXPECT_NE(program->vertexShader, 0u);
    EXPECT_NE(program->fragmentShader, 0u);
    EXPECT_EQ(std::string(program->vertexSource.get()).rfind("#version 110", 0), 0u);
    EXPECT_EQ(std::string(program->fragmentSource.get()).rfind("#version 130", 0), 0u);
}

TEST_F(ProgramTest, FirstLookupAsksGlAndLaterOnesUseTheCache) {
    const std::int32_t first = program->uniformLocation("iTime");
    EXPECT_GE(first, 0);
    EXPECT_EQ(glCallLog(), std::vector<std::string>{"uniform iTime"});
    {
        // Even if GL would now answer differently, the cached value stands.
        ProcOverride<glapi::PFNGLGETUNIFORMLOCATIONPROC> changed(glapi::glGetUniformLocation,
                                                                 &changedGetUniformLocation);
        EXPECT_EQ(program->uniformLocation("iTime"), first);
    }
    EXPECT_EQ(glCallLog().size(), 1u);
}

TEST_F(ProgramTest, OptimisedAwayUniformIsMinusOneAndCached) {
    // The vertex stage declares the matrices without reading them.
    EXPECT_EQ(program->uniformLocation("model_world"), -1);
    EXPECT_EQ(program->uniformLocation("model_world"), -1);
    EXPECT_EQ(glCallLog(), std::vector<std::string>{"uniform model_world"});
    EXPECT_EQ(program->locationCache.at("model_world"), -1);
}

TEST_F(ProgramTest, OneCacheEntryPerNameWhateverKindCameFirst) {
    const std::int32_t attribute = program->attributeLocation("position");
    EXPECT_GE(attribute, 0);
    EXPECT_EQ(program->uniformLocation("position"), attribute);
    EXPECT_EQ(program->lookupLocation(LocationKind::Uniform, "position"), attribute);
    EXPECT_EQ(glCallLog(), std::vector<std::string>{"attribute position"});

    // And the other way round: a uniform looked up first answers attribute lookups.
    const std::int32_t uniform = program->uniformLocation("screenWidth");
    EXPECT_EQ(program->attributeLocation("screenWidth"), uniform);
    EXPECT_EQ(glCallLog().size(), 2u);
}

TEST_F(ProgramTest, AddingANameTwiceKeepsTheFirstProgram) {
    const GLuint firstProgram = program->program;
    registry.add("BackgroundProgram", IDR_BACKGROUND_VERTEX, IDR_BACKGROUND_FRAGMENT);
    ASSERT_EQ(registry.programs.size(), 1u);
    EXPECT_EQ(registry.find("BackgroundProgram"), program);
    EXPECT_EQ(registry.find("BackgroundProgram")->program, firstProgram);
}

TEST_F(ProgramTest, NamesNeverAddedFindNothingAndUseNothing) {
    EXPECT_EQ(registry.find("Missing"), nullptr);
    EXPECT_EQ(registry.find(""), nullptr);
    EXPECT_EQ(registry.find("backgroundprogram"), nullptr);

    registry.use("BackgroundProgram");
    registry.use("Missing");
    GLint current = 0;
    glapi::glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), program->program);

    // Attributes declared through an unknown program name record nothing.
    MeshBufferSet buffers(&registry);
    buffers.addAttribute("Missing", "position", 3, 0);
    EXPECT_TRUE(buffers.attributeLocations.empty());
    buffers.addAttribute("BackgroundProgram", "position", 3, 0);
    buffers.addAttribute("BackgroundProgram", "position", 2, 9);  // a second declaration is ignored
    EXPECT_EQ(buffers.attributeLocations.size(), 1u);
    EXPECT_EQ(buffers.attributeSizes.at("position"), 3);
    EXPECT_EQ(buffers.attributeOffsets.at("position"), 0);
}

TEST_F(ProgramTest, InactiveAttributeGetsMinusOne) {
    // Declared by the vertex stage, never read.
    EXPECT_EQ(program->attributeLocation("position_normal"), -1);
    EXPECT_GE(program->attributeLocation("position"), 0);
}

}  // namespace
