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

} // namespace

void loadSkybox(const std::array<std::string, Skybox::FaceCount>& paths) {
    for (int slot = 0; slot < Skybox::FaceCount; ++slot) {
        skybox.facePaths[slot] = paths[slot];
        Texture& face = skybox.faceTextures[slot];
        if (!face.load(paths[slot], 1))
            continue; // no texture of this face is bound; leave the others' state alone
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    skybox.loaded = true;
}

void drawSkybox(float x, float y, float z, float s) {
    if (!skybox.loaded)
        return;
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
