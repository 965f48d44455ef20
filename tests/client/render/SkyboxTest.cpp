#include "client/render/Skybox.h"
#include "client/render/Camera.h"
#include "client/render/RenderContext.h"
#include "platform/Platform.h"
#include "support/GlWindow.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// Texel colours of the test faces, bottom row first: red tells the face, green the texel.
Rgb texel(int face, int index) {
    return {static_cast<uint8_t>(30 * (face + 1)), static_cast<uint8_t>(60 * (index + 1)), 0};
}
enum { BottomLeft, BottomRight, TopLeft, TopRight };

void drawSkyFrom(Vec3 eye, Vec3 direction, Vec3 up = {0, 1, 0}) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    Camera camera;
    camera.setEye(eye);
    camera.setCenter(eye + direction);
    std::tie(camera.upX, camera.upY, camera.upZ) = std::tie(up.x, up.y, up.z);
    applyView(camera);
    drawSkybox(eye.x, eye.y, eye.z, 50.0f);
}

TEST(SkyboxTest, FacesSurroundTheEyeUprightWhereverTheEyeIs) {
    ASSERT_TRUE(openGlWindow());
    resizeView();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1); // rows of two RGB texels
    for (int face = 0; face < Skybox::FaceCount; ++face) {
        std::array<Rgb, 4> texels = {texel(face, 0), texel(face, 1), texel(face, 2), texel(face, 3)};
        glGenTextures(1, &skybox.faceTextures[face].id);
        glBindTexture(GL_TEXTURE_2D, skybox.faceTextures[face].id);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    }
    skybox.loaded = true;
    const int centreX = platform::clientRect().right / 2;
    const int centreY = platform::clientRect().bottom / 2;

    const std::pair<int, Vec3> sides[] = {{0, {0, 0, 1}}, {1, {0, 0, -1}}, {2, {-1, 0, 0}}, {3, {1, 0, 0}}};
    for (Vec3 eye : {Vec3{-50, 120, -50}, Vec3{900, -300, 700}}) {
        for (const auto& [face, direction] : sides) {
            drawSkyFrom(eye, direction);
            EXPECT_EQ(pixelColour({centreX - 100, centreY + 100}), texel(face, TopLeft)) << "face " << face;
            EXPECT_EQ(pixelColour({centreX + 100, centreY - 100}), texel(face, BottomRight))
                << "face " << face;
        }
        drawSkyFrom(eye, {0, 1, 0}, {0, 0, 1});
        EXPECT_EQ(pixelColour({centreX, centreY})[0], texel(4, 0)[0]) << "up";
        drawSkyFrom(eye, {0, -1, 0}, {0, 0, 1});
        EXPECT_EQ(pixelColour({centreX, centreY})[0], texel(5, 0)[0]) << "down";
    }
}

// The baked faces, as the loading sequence names them; the test runs in the build folder.
std::array<std::string, Skybox::FaceCount> bakedFaces() {
    std::array<std::string, Skybox::FaceCount> paths;
    const char* const names[] = {"ft", "bk", "lf", "rt", "up", "dn"};
    for (int slot = 0; slot < Skybox::FaceCount; ++slot)
        paths[slot] = std::string("data\\textures\\skyboxes\\jajlands1\\jajlands1_") + names[slot] + ".jpg";
    return paths;
}

int facesHeld() {
    int held = 0;
    for (const Texture& face : skybox.faceTextures)
        held += face.id != 0;
    return held;
}

// Looking along the horizon and up, so that five faces show.
std::vector<Rgb> skyPicture() {
    drawSkyFrom({0, 120, 0}, {1, 0.6f, 1});
    return windowPixels();
}

TEST(SkyboxTest, FacesNotDrawnForAWhileAreGivenBackAndTheNextDrawShowsTheSameSky) {
    ASSERT_TRUE(openGlWindow());
    resizeView();
    recordedMessageBoxes.clear();
    loadSkybox(bakedFaces());
    ASSERT_EQ(facesHeld(), Skybox::FaceCount);
    const std::vector<Rgb> shown = skyPicture();

    releaseIdleSkybox(1000); // the draw above
    releaseIdleSkybox(1000 + SkyIdleMilliseconds - 1);
    EXPECT_EQ(facesHeld(), Skybox::FaceCount) << "not idle long enough";
    releaseIdleSkybox(1000 + SkyIdleMilliseconds);
    EXPECT_EQ(facesHeld(), 0);

    EXPECT_EQ(skyPicture(), shown) << "the faces are loaded again as they were";
    EXPECT_EQ(facesHeld(), Skybox::FaceCount);
    releaseIdleSkybox(30000); // a draw since the last check starts the idle time again
    releaseIdleSkybox(30000 + SkyIdleMilliseconds - 1);
    EXPECT_EQ(facesHeld(), Skybox::FaceCount);
    EXPECT_TRUE(recordedMessageBoxes.empty());
}

TEST(SkyboxTest, AFaceThatCannotBeLoadedIsReportedOnceNotAtEveryReload) {
    ASSERT_TRUE(openGlWindow());
    recordedMessageBoxes.clear();
    std::array<std::string, Skybox::FaceCount> paths = bakedFaces();
    paths[4] = "data\\textures\\skyboxes\\jajlands1\\missing_up.jpg";
    loadSkybox(paths);
    EXPECT_EQ(facesHeld(), Skybox::FaceCount - 1) << "the other faces still load";
    ASSERT_EQ(recordedMessageBoxes.size(), 1u);

    releaseIdleSkybox(0);
    releaseIdleSkybox(SkyIdleMilliseconds);
    ASSERT_EQ(facesHeld(), 0);
    skyPicture();
    EXPECT_EQ(facesHeld(), Skybox::FaceCount - 1);
    EXPECT_EQ(recordedMessageBoxes.size(), 1u) << "the missing face is not tried again";
}

} // namespace
