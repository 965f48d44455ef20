#include "client/render/Skybox.h"

#include <GL/glew.h>

Skybox skybox;

namespace {

// Each face's corners in half sizes, seen from inside the cube with the picture upright; the
// texture coordinates of the four corners are the same for every face.
constexpr float FaceCorners[Skybox::FaceCount][4][3] = {
    {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}},     // front
    {{-1, 1, -1}, {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}}, // back
    {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}}, // left
    {{1, 1, -1}, {1, 1, 1}, {1, -1, 1}, {1, -1, -1}},     // right
    {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}},     // up
    {{1, -1, -1}, {1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}}, // down
};
constexpr float CornerTexCoords[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};

void loadFace(int slot) {
    Texture& face = skybox.faceTextures[slot];
    if (face.id != 0 || skybox.unavailable[slot])
        return;
    if (!face.load(skybox.facePaths[slot], 1)) {
        skybox.unavailable[slot] = true; // no texture of this face is bound; leave the others' state alone
        return;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

} // namespace

void loadSkybox(const std::array<std::string, Skybox::FaceCount>& paths) {
    for (int slot = 0; slot < Skybox::FaceCount; ++slot) {
        skybox.faceTextures[slot].release();
        skybox.facePaths[slot] = paths[slot];
        skybox.unavailable[slot] = false;
        loadFace(slot);
    }
    skybox.loaded = true;
    skybox.drawnSinceCheck = true; // loaded counts as shown: the idle time starts at the next check
}

void releaseIdleSkybox(uint32_t now) {
    if (skybox.drawnSinceCheck) {
        skybox.lastShown = now;
        skybox.drawnSinceCheck = false;
    } else if (now - skybox.lastShown >= SkyIdleMilliseconds) {
        for (Texture& face : skybox.faceTextures)
            face.release();
    }
}

void drawSkybox(float x, float y, float z, float s) {
    if (!skybox.loaded)
        return;
    for (int slot = 0; slot < Skybox::FaceCount; ++slot)
        loadFace(slot); // given back while idle
    skybox.drawnSinceCheck = true;
    glDepthMask(GL_FALSE);
    glDepthRange(1.0, 1.0);
    glDepthFunc(GL_LEQUAL);
    glPushMatrix();
    glTranslatef(x, y, z);
    glEnable(GL_TEXTURE_2D);
    glColor3ub(255, 255, 255);
    for (int slot = 0; slot < Skybox::FaceCount; ++slot) {
        glBindTexture(GL_TEXTURE_2D, skybox.faceTextures[slot].id);
        glBegin(GL_QUADS);
        for (int corner = 0; corner < 4; ++corner) {
            glTexCoord2f(CornerTexCoords[corner][0], CornerTexCoords[corner][1]);
            const float* point = FaceCorners[slot][corner];
            glVertex3f(point[0] * s, point[1] * s, point[2] * s);
        }
        glEnd();
    }
    glPopMatrix();
    glDepthFunc(GL_LESS);
    glDepthRange(0.0, 1.0);
    glDepthMask(GL_TRUE);
}
