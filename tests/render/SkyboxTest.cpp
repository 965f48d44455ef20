#include "render/Skybox.h"
#include "platform/Platform.h"
#include "render/Camera.h"
#include "render/RenderContext.h"
#include "support/GlWindow.h"

#include <FreeImage.h>
#include <GL/glew.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace {

enum Quadrant { TopLeft, TopRight, BottomLeft, BottomRight };

// Every texel of the test faces tells its face and its quadrant.
std::array<GLubyte, 3> texelColour(int face, Quadrant quadrant) {
    return {static_cast<GLubyte>(30 * (face + 1)), static_cast<GLubyte>(60 * (quadrant + 1)), 0};
}

uint32_t makeFaceTexture(int face) {
    std::array<GLubyte, 16> texels{}; // 2 x 2 RGBA, bottom row first
    const Quadrant order[4] = {BottomLeft, BottomRight, TopLeft, TopRight};
    for (int i = 0; i < 4; ++i) {
        const auto colour = texelColour(face, order[i]);
        std::copy(colour.begin(), colour.end(), texels.begin() + 4 * i);
        texels[4 * i + 3] = 255;
    }
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return id;
}

class SkyboxTest : public ::testing::Test {
protected:
    int centreX = 0;
    int centreY = 0;

    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        resizeView();
        static const std::array<uint32_t, Skybox::FaceCount> faces = [] {
            std::array<uint32_t, Skybox::FaceCount> ids{};
            for (int face = 0; face < Skybox::FaceCount; ++face)
                ids[face] = makeFaceTexture(face);
            return ids;
        }();
        for (int face = 0; face < Skybox::FaceCount; ++face)
            skybox.faceTextures[face].id = faces[face];
        skybox.loaded = true;
        const platform::Rect client = platform::clientRect();
        centreX = client.right / 2;
        centreY = client.bottom / 2;
    }

    void clearFrame() {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
    }

    void drawSkyFrom(Vector3 eye, Vector3 direction, Vector3 up = {0.0f, 1.0f, 0.0f}) {
        clearFrame();
        Camera camera;
        camera.setEye(eye);
        camera.setCenter(eye + direction);
        camera.upX = up.x;
        camera.upY = up.y;
        camera.upZ = up.z;
        applyView(camera);
        drawSkybox(eye.x, eye.y, eye.z, 50.0f);
        glFinish();
    }

    static std::array<GLubyte, 3> pixel(int x, int y) {
        std::array<GLubyte, 4> rgba{};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return {rgba[0], rgba[1], rgba[2]};
    }
};

TEST_F(SkyboxTest, FacesSurroundTheEyeUprightWhereverTheEyeIs) {
    const struct {
        int face;
        Vector3 direction;
    } sides[] = {{0, {0, 0, 1}}, {1, {0, 0, -1}}, {2, {-1, 0, 0}}, {3, {1, 0, 0}}};
    for (Vector3 eye : {Vector3{-50.0f, 120.0f, -50.0f}, Vector3{900.0f, -300.0f, 700.0f}}) {
        for (const auto& side : sides) {
            drawSkyFrom(eye, side.direction);
            EXPECT_EQ(pixel(centreX - 100, centreY + 100), texelColour(side.face, TopLeft))
                << "face " << side.face;
            EXPECT_EQ(pixel(centreX + 100, centreY - 100), texelColour(side.face, BottomRight))
                << "face " << side.face;
        }
        drawSkyFrom(eye, {0, 1, 0}, {0, 0, 1});
        EXPECT_EQ(pixel(centreX + 100, centreY + 100)[0], texelColour(4, TopLeft)[0]) << "up";
        drawSkyFrom(eye, {0, -1, 0}, {0, 0, 1});
        EXPECT_EQ(pixel(centreX + 100, centreY + 100)[0], texelColour(5, TopLeft)[0]) << "down";
    }
}

TEST_F(SkyboxTest, SkyWritesNoDepthSoAnythingDrawnLaterCoversIt) {
    const Vector3 eye{-50.0f, 120.0f, -50.0f};
    drawSkyFrom(eye, {0, 0, 1});
    GLfloat depth = 0.0f;
    glReadPixels(centreX, centreY, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 1.0f);

    glDisable(GL_TEXTURE_2D);
    glColor3ub(0, 0, 255);
    const float farZ = eye.z + 500.0f; // ten times farther than the sky's faces
    glBegin(GL_QUADS);
    glVertex3f(eye.x + 100, eye.y + 100, farZ);
    glVertex3f(eye.x - 100, eye.y + 100, farZ);
    glVertex3f(eye.x - 100, eye.y - 100, farZ);
    glVertex3f(eye.x + 100, eye.y - 100, farZ);
    glEnd();
    glFinish();
    EXPECT_EQ(pixel(centreX, centreY), (std::array<GLubyte, 3>{0, 0, 255}));
}

TEST_F(SkyboxTest, NothingIsDrawnBeforeTheFacesAreLoaded) {
    skybox.loaded = false;
    drawSkyFrom({0, 0, 0}, {0, 0, 1});
    EXPECT_EQ(pixel(centreX, centreY), (std::array<GLubyte, 3>{0, 0, 0}));
}

void writeJpeg(const std::filesystem::path& path) {
    FIBITMAP* image = FreeImage_Allocate(8, 8, 24);
    ASSERT_NE(image, nullptr);
    ASSERT_TRUE(FreeImage_Save(FIF_JPEG, image, path.c_str(), 0));
    FreeImage_Unload(image);
}

TEST_F(SkyboxTest, MissingFaceIsReportedOnceAndTheOthersStillLoadClampedToTheEdge) {
    const auto previous = std::filesystem::current_path();
    const auto folder = std::filesystem::temp_directory_path() /
                        ("orvalen-sky-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder / "sky");
    std::filesystem::current_path(folder);
    const std::array<std::string, Skybox::FaceCount> names = {"ft", "bk", "lf", "rt", "up", "dn"};
    std::array<std::string, Skybox::FaceCount> paths;
    for (int face = 0; face < Skybox::FaceCount; ++face) {
        paths[face] = "sky\\face_" + names[face] + ".jpg";
        if (names[face] != "up")
            writeJpeg(folder / "sky" / ("face_" + names[face] + ".jpg"));
    }

    skybox = Skybox{};
    recordedMessageBoxes.clear();
    loadSkybox(paths);
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);

    ASSERT_EQ(recordedMessageBoxes.size(), 1u);
    EXPECT_EQ(recordedMessageBoxes[0].text, "Couldn't load texture sky\\face_up.jpg!");
    EXPECT_TRUE(skybox.loaded);
    for (int face = 0; face < Skybox::FaceCount; ++face) {
        EXPECT_EQ(skybox.facePaths[face], paths[face]);
        if (face == 4) {
            EXPECT_EQ(skybox.faceTextures[face].id, 0u);
            continue;
        }
        ASSERT_NE(skybox.faceTextures[face].id, 0u) << "face " << face;
        glBindTexture(GL_TEXTURE_2D, skybox.faceTextures[face].id);
        GLint wrapS = 0;
        GLint wrapT = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrapT);
        EXPECT_EQ(wrapS, GL_CLAMP_TO_EDGE);
        EXPECT_EQ(wrapT, GL_CLAMP_TO_EDGE);
    }
}

} // namespace
