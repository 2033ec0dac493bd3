// The ocean pass drawn for real on Mesa: the picture against values computed independently,
// its dependence on time and screen size only, and the pass's GL call sequence.
#include "gfx/ocean_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "gfx/gl_api.h"
#include "math/camera.h"
#include "math/matrix4.h"
#include "tests/gfx/gl_test_support.h"
#include "tests/gfx/ocean_reference.h"

namespace {

int toByte(float channel) {
    return static_cast<int>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

int maxChannelDifference(const std::uint8_t* pixel, const ocean_reference::V3& expected) {
    return std::max({std::abs(pixel[0] - toByte(expected.x)),
                     std::abs(pixel[1] - toByte(expected.y)),
                     std::abs(pixel[2] - toByte(expected.z))});
}

int pixelDifference(const std::uint8_t* a, const std::uint8_t* b) {
    return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}

int referenceDifference(const ocean_reference::V3& a, const ocean_reference::V3& b) {
    return std::max({std::abs(toByte(a.x) - toByte(b.x)), std::abs(toByte(a.y) - toByte(b.y)),
                     std::abs(toByte(a.z) - toByte(b.z))});
}

std::string describe(const std::uint8_t* p) {
    std::ostringstream s;
    s << "(" << int(p[0]) << ", " << int(p[1]) << ", " << int(p[2]) << ")";
    return s.str();
}

class OceanSceneTest : public GlContextTest {
  protected:
    void SetUp() override {
        GlContextTest::SetUp();
        if (HasFatalFailure()) return;
        metrics.set(kWidth, kHeight);
        scene.setupScene();
    }

    FrameImage frameAt(float t) {
        scene.renderFrame(t);
        return context.readPixels();
    }

    ScreenMetrics metrics;
    OceanScene scene{&metrics};
};

TEST_F(OceanSceneTest, TopCentreIsThePureSkyAtAnyTime) {
    // The pure sky at uv = (0, 1): d.y ~ 0.515, colour ((1-y)^1.5, (1-y)^0.75, (1-0.4y)^0.75).
    const ocean_reference::V3 topSky{0.338f, 0.581f, 0.841f};
    for (float t : {0.0f, 1.0f, 20.0f, 1000.0f, 86400.0f}) {
        SCOPED_TRACE(t);
        const FrameImage image = frameAt(t);
        const std::uint8_t* top = image.pixel(kWidth / 2, kHeight - 1);
        // The top row's centres sit half a pixel below uv.y = 1, a little lower in the sky.
        EXPECT_LE(maxChannelDifference(top, topSky), 4) << describe(top);
        const auto exact = ocean_reference::pixel(kWidth / 2 + 0.5f, kHeight - 0.5f, float(kWidth),
                                                  float(kHeight), t);
        EXPECT_LE(maxChannelDifference(top, exact), 1) << describe(top);
    }
}

TEST_F(OceanSceneTest, RowsJustAboveTheHorizonAreNearlyWhite) {
    for (float t : {0.0f, 20.0f}) {
        const FrameImage image = frameAt(t);
        for (int y : {kHeight / 2, kHeight / 2 + 1}) {
            for (int x = 0; x < kWidth; ++x) {
                const std::uint8_t* p = image.pixel(x, y);
                ASSERT_GE(std::min({p[0], p[1], p[2]}), 242)
                    << "t=" << t << " x=" << x << " y=" << y << " " << describe(p);
            }
        }
    }
}

TEST_F(OceanSceneTest, UpperHalfDependsOnlyOnTheSizeWhileTheSeaMoves) {
    const FrameImage early = frameAt(1.0f);
    const FrameImage late = frameAt(50.0f);
    const FrameImage lateAgain = frameAt(50.0f);
    EXPECT_EQ(late.rgba, lateAgain.rgba) << "the same time draws the same frame";

    const std::size_t rowBytes = static_cast<std::size_t>(kWidth) * 4;
    const std::size_t half = static_cast<std::size_t>(kHeight / 2) * rowBytes;
    EXPECT_TRUE(std::equal(early.rgba.begin() + half, early.rgba.end(), late.rgba.begin() + half));

    int changed = 0;
    for (int y = 0; y < kHeight / 2 - 2; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            changed += pixelDifference(early.pixel(x, y), late.pixel(x, y)) > 2;
        }
    }
    EXPECT_GT(changed, kWidth * (kHeight / 2 - 2) / 2) << "most of the sea moves in 49 s";
}

TEST_F(OceanSceneTest, UniformsThatTheShaderIgnoresChangeNothing) {
    const float t = 3.0f;
    const FrameImage baseline = frameAt(t);

    Matrix4 skew = translation(3.0f, -2.0f, 7.0f);
    skew[0][1] = 0.5f;
    const Matrix4 zero(0.0f);
    struct Variant {
        const char* name;
        float renderMode;
        float textureSize;
        Matrix4 projection, view, model;
    };
    const Matrix4 projection = perspective(50.0f, metrics.aspect, 0.1f, 1000.0f);
    const Matrix4 view = scene.camera->getView();
    const Matrix4 model = translation(0.0f, 0.0f, -100.0f);
    const Variant variants[] = {
        {"render to texture", 0.5f, 1024.0f, projection, view, model},
        {"render from texture", 1.5f, 1024.0f, projection, view, model},
        {"texture size 1", 2.5f, 1.0f, projection, view, model},
        {"texture size 4096", 2.5f, 4096.0f, projection, view, model},
        {"projection", 2.5f, 1024.0f, skew, view, model},
        {"view", 2.5f, 1024.0f, projection, zero, model},
        {"model", 2.5f, 1024.0f, projection, view, skew},
    };
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.name);
        // The pass's own steps, with other values for the inert uniforms and matrices.
        scene.clock->setTime(t);
        scene.clock->setViewport(float(kWidth), float(kHeight));
        scene.camera->setProjection(v.projection);
        scene.camera->views[0] = v.view;
        scene.camera->setViewIndex(0);
        scene.sky->setModelMatrix(v.model);
        scene.registry->use(OceanScene::kProgramName);
        glapi::glUniform1f(scene.backgroundTextureSizeLocation, v.textureSize);
        glapi::glUniform1f(scene.screenWidthLocation, float(kWidth));
        glapi::glUniform1f(scene.screenHeightLocation, float(kHeight));
        glapi::glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glapi::glUniform1f(scene.renderModeLocation, v.renderMode);
        glapi::glViewport(0, 0, kWidth, kHeight);
        scene.sky->draw();
        EXPECT_EQ(context.readPixels().rgba, baseline.rgba);
        scene.camera->updateView(0);
    }
}

TEST_F(OceanSceneTest, SeaPixelsMatchACpuEvaluation) {
    // Candidates well below the horizon, and in the band just below it where sea and sky
    // blend (d.y between -0.05 and 0). Where a fiftieth of a pixel already changes the colour
    // (steep crests, grazing rays) rounding decides the result, so those are left out. The
    // noise hashes sin() of coordinates in the hundreds and amplifies its last bits, so a GPU's
    // sin() may pick another lattice value now and then: a few levels of slack for every pixel,
    // and nearly all of them within one level.
    for (float t : {0.0f, 1.0f, 7.5f}) {
        SCOPED_TRACE(t);
        const FrameImage image = frameAt(t);
        int compared = 0;
        int withinOne = 0;
        for (int y : {3, 6, 9, 12, 15, 18, 21, 24, 27, 30, kHeight / 2 - 3, kHeight / 2 - 2,
                      kHeight / 2 - 1}) {
            for (int x = 6; x < kWidth; x += 12) {
                const float fx = x + 0.5f;
                const float fy = y + 0.5f;
                const float w = float(kWidth), h = float(kHeight);
                const auto expected = ocean_reference::pixel(fx, fy, w, h, t);
                bool stable = true;
                const float shifts[4][2] = {
                    {0.02f, 0.0f}, {-0.02f, 0.0f}, {0.0f, 0.02f}, {0.0f, -0.02f}};
                for (const auto& shift : shifts) {
                    const auto near = ocean_reference::pixel(fx + shift[0], fy + shift[1], w, h, t);
                    stable = stable && referenceDifference(near, expected) <= 1;
                }
                if (!stable) continue;
                ++compared;
                const std::uint8_t* p = image.pixel(x, y);
                const int difference = maxChannelDifference(p, expected);
                withinOne += difference <= 1;
                EXPECT_LE(difference, 5) << "x=" << x << " y=" << y << " got " << describe(p)
                                         << " expected (" << expected.x * 255 << ", "
                                         << expected.y * 255 << ", " << expected.z * 255 << ")";
            }
        }
        EXPECT_GE(compared, 10) << "too few well-conditioned sea pixels to compare";
        EXPECT_GE(withinOne * 10, compared * 9) << withinOne << " of " << compared;
    }
}

TEST_F(OceanSceneTest, NoBlackOrNanPixelsAtAnyTime) {
    // A NaN colour reaches the 8-bit framebuffer as 0; the picture has no black anywhere.
    for (float t : {0.0f, 1.0f, 1000.0f, 86400.0f}) {
        const FrameImage image = frameAt(t);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const std::uint8_t* p = image.pixel(x, y);
                ASSERT_GT(std::max({p[0], p[1], p[2]}), 8)
                    << "t=" << t << " x=" << x << " y=" << y << " " << describe(p);
            }
        }
    }
}

TEST_F(OceanSceneTest, SizeChangesTakeEffectInTheNextFrame) {
    struct Case {
        int width, height;
    };
    for (const Case c : {Case{80, 45}, Case{160, 90}, Case{0, 0}}) {
        SCOPED_TRACE(c.width);
        metrics.set(c.width, c.height);
        scene.renderFrame(2.0f);
        GLint viewport[4] = {-1, -1, -1, -1};
        glapi::glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[2], c.width);
        EXPECT_EQ(viewport[3], c.height);
        GLFWProgram* program = scene.registry->find(OceanScene::kProgramName);
        GLfloat width = -1.0f;
        GLfloat height = -1.0f;
        glapi::glGetUniformfv(program->program, scene.screenWidthLocation, &width);
        glapi::glGetUniformfv(program->program, scene.screenHeightLocation, &height);
        EXPECT_EQ(width, float(c.width));
        EXPECT_EQ(height, float(c.height));
        EXPECT_EQ(scene.clock->getViewportWidth(), float(c.width));
        if (c.height != 0) {
            // The projection follows the new aspect ratio (element row 0, column 0 is f / aspect).
            const double f = 1.0 / std::tan(25.0 * 3.14159265358979323846 / 180.0);
            EXPECT_NEAR(scene.camera->getProjection()[0][0], f * c.height / c.width, 1e-5);
        }
    }
    // A 0 x 0 frame draws nothing: the framebuffer keeps the clear's black.
    const FrameImage image = context.readPixels();
    for (int y = 0; y < kHeight; y += 7) {
        for (int x = 0; x < kWidth; x += 7) {
            const std::uint8_t* p = image.pixel(x, y);
            ASSERT_EQ(std::max({p[0], p[1], p[2]}), 0) << "x=" << x << " y=" << y;
        }
    }
}

// ---- The pass's GL calls, recorded by spies in front of the table entries. ----

glapi::PFNGLUSEPROGRAMPROC realUseProgram;
glapi::PFNGLUNIFORM1FPROC realUniform1f;
glapi::PFNGLBINDFRAMEBUFFERPROC realBindFramebuffer;
glapi::PFNGLCLEARPROC realClear;
glapi::PFNGLVIEWPORTPROC realViewport;
glapi::PFNGLUNIFORMMATRIX4FVPROC realUniformMatrix4fv;
glapi::PFNGLBINDBUFFERPROC realBindBuffer;
glapi::PFNGLENABLEVERTEXATTRIBARRAYPROC realEnableVertexAttribArray;
glapi::PFNGLVERTEXATTRIBPOINTERPROC realVertexAttribPointer;
glapi::PFNGLDRAWELEMENTSPROC realDrawElements;

template <typename... T>
void record(const char* name, T... args) {
    std::ostringstream s;
    s << name;
    ((s << ' ' << args), ...);
    glCallLog().push_back(s.str());
}

void VELMORANT_GLAPIENTRY spyUseProgram(GLuint p) {
    record("UseProgram", p);
    realUseProgram(p);
}
void VELMORANT_GLAPIENTRY spyUniform1f(GLint l, GLfloat v) {
    record("Uniform1f", l, v);
    realUniform1f(l, v);
}
void VELMORANT_GLAPIENTRY spyBindFramebuffer(GLenum t, GLuint f) {
    record("BindFramebuffer", t, f);
    realBindFramebuffer(t, f);
}
void VELMORANT_GLAPIENTRY spyClear(GLbitfield m) {
    record("Clear", m);
    realClear(m);
}
void VELMORANT_GLAPIENTRY spyViewport(GLint x, GLint y, GLsizei w, GLsizei h) {
    record("Viewport", x, y, w, h);
    realViewport(x, y, w, h);
}
void VELMORANT_GLAPIENTRY spyUniformMatrix4fv(GLint l, GLsizei c, GLboolean t, const GLfloat* v) {
    record("UniformMatrix4fv", l, c, int(t));
    realUniformMatrix4fv(l, c, t, v);
}
void VELMORANT_GLAPIENTRY spyBindBuffer(GLenum t, GLuint b) {
    record("BindBuffer", t, b);
    realBindBuffer(t, b);
}
void VELMORANT_GLAPIENTRY spyEnableVertexAttribArray(GLuint i) {
    record("EnableVertexAttribArray", GLint(i));
    realEnableVertexAttribArray(i);
}
void VELMORANT_GLAPIENTRY spyVertexAttribPointer(GLuint i, GLint s, GLenum t, GLboolean n,
                                                 GLsizei st, const void* p) {
    record("VertexAttribPointer", GLint(i), s, t, int(n), st, reinterpret_cast<std::uintptr_t>(p));
    realVertexAttribPointer(i, s, t, n, st, p);
}
void VELMORANT_GLAPIENTRY spyDrawElements(GLenum m, GLsizei c, GLenum t, const void* p) {
    record("DrawElements", m, c, t, reinterpret_cast<std::uintptr_t>(p));
    realDrawElements(m, c, t, p);
}

std::string call(const char* name, std::initializer_list<double> args) {
    std::ostringstream s;
    s << name;
    for (double a : args) s << ' ' << a;
    return s.str();
}

TEST_F(OceanSceneTest, FrameIssuesThePassCallsInOrder) {
    using namespace glapi;
    realUseProgram = glUseProgram;
    realUniform1f = glUniform1f;
    realBindFramebuffer = glBindFramebuffer;
    realClear = glClear;
    realViewport = glViewport;
    realUniformMatrix4fv = glUniformMatrix4fv;
    realBindBuffer = glBindBuffer;
    realEnableVertexAttribArray = glEnableVertexAttribArray;
    realVertexAttribPointer = glVertexAttribPointer;
    realDrawElements = glDrawElements;
    std::vector<std::string> calls;
    {
        ProcOverride a(glUseProgram, &spyUseProgram);
        ProcOverride b(glUniform1f, &spyUniform1f);
        ProcOverride c(glBindFramebuffer, &spyBindFramebuffer);
        ProcOverride d(glClear, &spyClear);
        ProcOverride e(glViewport, &spyViewport);
        ProcOverride f(glUniformMatrix4fv, &spyUniformMatrix4fv);
        ProcOverride g(glBindBuffer, &spyBindBuffer);
        ProcOverride h(glEnableVertexAttribArray, &spyEnableVertexAttribArray);
        ProcOverride i(glVertexAttribPointer, &spyVertexAttribPointer);
        ProcOverride j(glDrawElements, &spyDrawElements);
        glCallLog().clear();
        scene.renderFrame(4.0f);
        calls = glCallLog();
    }

    GLFWProgram* program = scene.registry->find(OceanScene::kProgramName);
    ASSERT_NE(program, nullptr);
    auto loc = [&](const char* name) { return double(program->uniformLocation(name)); };
    auto attr = [&](const char* name) { return double(program->attributeLocation(name)); };
    const double vbo = scene.sky->buffers->vertexBuffer;
    const double ibo = scene.sky->buffers->indexBuffer;
    std::vector<std::string> expected = {
        call("UseProgram", {double(program->program)}),
        call("Uniform1f", {loc("backgroundTextureSize"), 1024}),
        call("Uniform1f", {loc("screenWidth"), kWidth}),
        call("Uniform1f", {loc("screenHeight"), kHeight}),
        call("BindFramebuffer", {GL_FRAMEBUFFER, 0}),
        call("Clear", {GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT}),
        call("Uniform1f", {loc("renderMode"), 2.5}),
        call("Viewport", {0, 0, kWidth, kHeight}),
        call("UseProgram", {double(program->program)}),
        call("UniformMatrix4fv", {loc("model_world"), 1, 0}),
        call("UniformMatrix4fv", {loc("world_projection"), 1, 0}),
        call("UniformMatrix4fv", {loc("model_projection"), 1, 0}),
        call("Uniform1f", {loc("iTime"), 4}),
        call("Uniform1f", {loc("viewportWidth"), kWidth}),
        call("Uniform1f", {loc("viewportHeight"), kHeight}),
        call("BindBuffer", {GL_ARRAY_BUFFER, vbo}),
        call("BindBuffer", {GL_ELEMENT_ARRAY_BUFFER, ibo}),
    };
    // Attributes in name order, 24-float stride; inactive ones keep location -1.
    const std::tuple<const char*, int, int> attributes[] = {
        {"position", 3, 0}, {"position_normal", 3, 5}, {"position_tex", 2, 3}};
    for (const auto& [name, size, offset] : attributes) {
        expected.push_back(call("EnableVertexAttribArray", {attr(name)}));
        expected.push_back(call("VertexAttribPointer",
                                {attr(name), double(size), GL_FLOAT, 0, 96, double(offset * 4)}));
    }
    // The rectangle: two triangles, six 32-bit indices.
    expected.push_back(call("DrawElements", {GL_TRIANGLES, 6, GL_UNSIGNED_INT, 0}));
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(scene.sky->buffers->indexCount, 6);
}

// ---- The matrices the drawable uploads, captured whatever their locations. ----

std::vector<std::array<float, 16>>& uploadedMatrices() {
    static std::vector<std::array<float, 16>> log;
    return log;
}

void VELMORANT_GLAPIENTRY captureUniformMatrix4fv(GLint, GLsizei, GLboolean, const GLfloat* v) {
    std::array<float, 16> m;
    std::copy(v, v + 16, m.begin());
    uploadedMatrices().push_back(m);
}

// Column-major product in double precision, written independently of Matrix4's product.
std::array<double, 16> product(const double* a, const double* b) {
    std::array<double, 16> c{};
    for (int col = 0; col < 4; ++col) {
        for (int row = 0; row < 4; ++row) {
            for (int k = 0; k < 4; ++k) c[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
        }
    }
    return c;
}

std::array<double, 16> widen(const Matrix4& m) {
    std::array<double, 16> d;
    std::copy(m.data(), m.data() + 16, d.begin());
    return d;
}

void expectMatrixNear(const std::array<float, 16>& actual, const std::array<double, 16>& expected) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-5 * std::max(1.0, std::abs(expected[i])))
            << "element " << i << " (column " << i / 4 << ", row " << i % 4 << ")";
    }
}

TEST_F(OceanSceneTest, DrawUploadsModelThenProjectionTimesViewThenTheirProductWithModel) {
    const Matrix4 identity = translation(0.0f, 0.0f, 0.0f);
    Camera pitched(0.0f, 0.0f, 100.0f);
    pitched.pitch(1.0f);
    pitched.updateView(0);
    Matrix4 turned = identity;  // a quarter turn about z, so that no two factors commute
    turned[0] = Vec4(0.0f, 1.0f, 0.0f, 0.0f);
    turned[1] = Vec4(-1.0f, 0.0f, 0.0f, 0.0f);
    const Matrix4 projection = perspective(50.0f, 16.0f / 9.0f, 0.1f, 1000.0f);
    struct Case {
        const char* name;
        Matrix4 view, projection, model;
    };
    const Case cases[] = {
        {"identity camera", identity, identity, translation(0.0f, 0.0f, -100.0f)},
        {"scene camera", pitched.getView(), projection, translation(0.0f, 0.0f, -100.0f)},
        {"turned model", pitched.getView(), projection, translation(3.0f, -2.0f, -50.0f) * turned},
        {"turned view", turned * pitched.getView(), projection, translation(0.0f, 0.0f, -100.0f)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scene.camera->views[0] = c.view;
        scene.camera->setViewIndex(0);
        scene.camera->setProjection(c.projection);
        scene.sky->setModelMatrix(c.model);
        uploadedMatrices().clear();
        {
            ProcOverride spy(glapi::glUniformMatrix4fv, &captureUniformMatrix4fv);
            scene.sky->draw();
        }
        // "model_world", "world_projection", "model_projection", in that order.
        ASSERT_EQ(uploadedMatrices().size(), 3u);
        const auto worldProjection = product(widen(c.projection).data(), widen(c.view).data());
        expectMatrixNear(uploadedMatrices()[0], widen(c.model));
        expectMatrixNear(uploadedMatrices()[1], worldProjection);
        expectMatrixNear(uploadedMatrices()[2],
                         product(worldProjection.data(), widen(c.model).data()));
    }
}

TEST_F(OceanSceneTest, SetupLooksTheFourPassUniformsUpOnce) {
    GLFWProgram* program = scene.registry->find(OceanScene::kProgramName);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(scene.screenWidthLocation, program->locationCache.at("screenWidth"));
    EXPECT_EQ(scene.screenHeightLocation, program->locationCache.at("screenHeight"));
    EXPECT_EQ(scene.backgroundTextureSizeLocation,
              program->locationCache.at("backgroundTextureSize"));
    EXPECT_EQ(scene.renderModeLocation, program->locationCache.at("renderMode"));
    EXPECT_GE(scene.screenWidthLocation, 0);
    EXPECT_GE(scene.screenHeightLocation, 0);
    // The rectangle's buffers hold 6 vertices of 96 bytes and 6 indices of 4 bytes.
    GLint bytes = 0;
    glapi::glBindBuffer(GL_ARRAY_BUFFER, scene.sky->buffers->vertexBuffer);
    glapi::glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    EXPECT_EQ(bytes, 6 * 96);
    glapi::glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, scene.sky->buffers->indexBuffer);
    glapi::glGetBufferParameteriv(GL_ELEMENT_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    EXPECT_EQ(bytes, 6 * 4);
}

}  // namespace
