#include "client/models/ModelDrawing.h"

#include "client/models/ModelGpu.h"
#include "core/Clock.h"
#include "core/Vec3.h"
#include "sim/game/GameMap.h"

#include <GL/glew.h>

#include <optional>
#include <vector>

namespace {

constexpr double DegreesPerRadian = 57.29577951308232;

// Where the corners of one mesh come from in this draw.
struct MeshPose {
    int8_t materialIndex = -1;
    const MeshShape* shape = nullptr;
    // When interpolating: the next keyframe's mesh and how far the current frame has run (0 to 1).
    const ModelFrameMesh* next = nullptr;
    bool nextIsFirst = false; // looping back to frame 0 moves every face
    float t = 0.0f;

    bool moves(int32_t face) const { return next && (nextIsFirst || next->faceChanged(face)); }
};

void setMeshColour(const Model& model, int index, uint32_t colour) {
    if (index == model.colourSeparator)
        glColor3ub(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    else
        glColor3ub(255, 255, 255);
}

void bindMaterial(const Model& model, const ModelGpu& gpu, int8_t materialIndex) {
    const int32_t texture = materialIndex < 0 ? -1 : model.materials[materialIndex].textureIndex;
    if (texture < 0) {
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, gpu.textures[texture].id);
}

void drawMesh(const Model& model, const ModelGpu& gpu, int index, const MeshPose& pose, uint32_t colour) {
    const ModelMesh& base = model.meshes[index];
    const MeshShape& shape = *pose.shape;
    setMeshColour(model, index, colour);
    bindMaterial(model, gpu, pose.materialIndex);
    glBegin(GL_TRIANGLES);
    for (int32_t face = 0; face < base.faceCount; ++face) {
        if (base.flat)
            glNormal3fv(&shape.faceNormals[face].x);
        const bool moves = pose.moves(face);
        for (int corner = 3 * face; corner < 3 * face + 3; ++corner) {
            if (!base.flat)
                glNormal3fv(&shape.cornerNormals[corner].x);
            glTexCoord2fv(&base.texCoords[corner].u);
            const Vec3& p = shape.positions[corner];
            if (moves) {
                const Vec3& q = pose.next->shape->positions[corner];
                glVertex3f(p.x + pose.t * (q.x - p.x), p.y + pose.t * (q.y - p.y),
                           p.z + pose.t * (q.z - p.z));
            } else {
                glVertex3fv(&p.x);
            }
        }
    }
    glEnd();
}

void drawRestPose(const Model& model, const ModelGpu& gpu, int index, uint32_t colour) {
    const ModelMesh& mesh = model.meshes[index];
    setMeshColour(model, index, colour);
    bindMaterial(model, gpu, mesh.materialIndex);
    const GLsizei corners = mesh.faceCount * 3;
    glBindBuffer(GL_ARRAY_BUFFER, gpu.restPoseBuffers[index]);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    glTexCoordPointer(2, GL_FLOAT, 0, reinterpret_cast<const void*>(corners * 3 * sizeof(float)));
    glDrawArrays(GL_TRIANGLES, 0, corners);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    // Later client-side arrays must not be read as offsets into this buffer.
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

// Catches the entry up with `now` frame by frame, looping, and returns how far the current frame
// has run (0 to 1). Whole cycles are skipped at once, which ends on the same frame as stepping
// through them, so a long pause or a clock that jumps costs no time. An animation whose frames all
// last 0 ms stays in its first frame; one without frames cannot play.
std::optional<float> advance(ModelAnimationEntry& entry, const ModelAnimation& animation, uint32_t now) {
    const auto frameCount = static_cast<int32_t>(animation.frames.size());
    if (frameCount == 0 || entry.frame < 0 || entry.frame >= frameCount)
        return std::nullopt;
    uint64_t cycle = 0;
    for (const ModelFrame& frame : animation.frames)
        cycle += frame.duration;
    if (cycle == 0) {
        entry.frame = 0;
        return 0.0f;
    }
    uint32_t elapsed = now - entry.frameStart;
    if (elapsed >= cycle)
        entry.frameStart += static_cast<uint32_t>(elapsed / cycle * cycle);
    for (;;) {
        elapsed = now - entry.frameStart;
        const uint32_t duration = animation.frames[entry.frame].duration;
        if (elapsed < duration)
            return static_cast<float>(elapsed) / static_cast<float>(duration);
        entry.frameStart += duration;
        entry.frame = (entry.frame + 1) % frameCount;
    }
}

// Draws the meshes the entry animates that no earlier entry has drawn.
void drawAnimated(const Model& model, const ModelGpu& gpu, ModelAnimationEntry& entry, uint32_t colour,
                  std::vector<bool>& drawn) {
    if (entry.animation < 0 || entry.animation >= static_cast<int32_t>(model.animations.size()))
        return;
    const ModelAnimation& animation = model.animations[entry.animation];
    const std::optional<float> t = advance(entry, animation, currentTick());
    if (!t)
        return;
    const int32_t next = (entry.frame + 1) % static_cast<int32_t>(animation.frames.size());
    const ModelFrame& current = animation.frames[entry.frame];
    for (const int32_t mesh : animation.animatedMeshes) {
        if (drawn[mesh])
            continue;
        const ModelFrameMesh& frameMesh = current.meshes[mesh];
        drawMesh(model, gpu, mesh,
                 {frameMesh.materialIndex, frameMesh.shape.get(), &animation.frames[next].meshes[mesh],
                  next == 0, *t},
                 colour);
        drawn[mesh] = true;
    }
}

bool hasGeometry(const Model& model, const ModelGpu& gpu) {
    return gpu.occlusionQuery != 0 && model.boundingBox.minX <= model.boundingBox.maxX;
}

} // namespace

void drawModel(const Model& model, const ModelGpu& gpu, ModelAnimationState* state, uint32_t colour) {
    std::vector<bool> drawn(model.meshes.size(), false);
    if (state)
        for (ModelAnimationEntry& entry : *state)
            drawAnimated(model, gpu, entry, colour, drawn);
    for (std::size_t i = 0; i < model.meshes.size(); ++i)
        if (!drawn[i])
            drawRestPose(model, gpu, static_cast<int>(i), colour);
}

bool startVisibilityTest(const Model& model, const ModelGpu& gpu, uint32_t query) {
    if (!hasGeometry(model, gpu))
        return false;
    glDepthMask(GL_FALSE);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glShadeModel(GL_FLAT);
    glBeginQuery(GL_SAMPLES_PASSED, query);
    drawBoundingBox(model);
    glEndQuery(GL_SAMPLES_PASSED);
    glDepthMask(GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glShadeModel(GL_SMOOTH);
    return true;
}

bool passedVisibilityTest(uint32_t query) {
    GLint samples = 0;
    glGetQueryObjectiv(query, GL_QUERY_RESULT, &samples);
    return samples != 0;
}

bool isVisible(const Model& model, const ModelGpu& gpu) {
    return startVisibilityTest(model, gpu, gpu.occlusionQuery) && passedVisibilityTest(gpu.occlusionQuery);
}

void drawBoundingBox(const Model& model) {
    const BoundingBox& b = model.boundingBox;
    glBegin(GL_QUAD_STRIP);
    glVertex3f(b.minX, b.maxY, b.maxZ);
    glVertex3f(b.minX, b.minY, b.maxZ);
    glVertex3f(b.maxX, b.maxY, b.maxZ);
    glVertex3f(b.maxX, b.minY, b.maxZ);
    glVertex3f(b.maxX, b.maxY, b.minZ);
    glVertex3f(b.maxX, b.minY, b.minZ);
    glVertex3f(b.minX, b.maxY, b.minZ);
    glVertex3f(b.minX, b.minY, b.minZ);
    glVertex3f(b.minX, b.maxY, b.maxZ);
    glVertex3f(b.minX, b.minY, b.maxZ);
    glEnd();
    glBegin(GL_QUAD_STRIP);
    glVertex3f(b.minX, b.maxY, b.minZ);
    glVertex3f(b.minX, b.maxY, b.maxZ);
    glVertex3f(b.maxX, b.maxY, b.minZ);
    glVertex3f(b.maxX, b.maxY, b.maxZ);
    glEnd();
}

double yawDegrees(const float direction[3]) {
    const Vec3 horizontal{direction[0], 0.0f, direction[2]};
    const double angle = angleBetween(horizontal, {0.0f, 0.0f, 1.0f}) * DegreesPerRadian;
    return direction[0] < 0.0f ? 360.0 - angle : angle;
}

void drawInstance(ModelInstance& instance, double x, double y, double z) {
    if (!instance.model || !instance.gpu)
        return;
    glPushMatrix();
    glTranslated(x, y, z);
    glRotated(yawDegrees(instance.direction), 0.0, 1.0, 0.0);
    instance.visible = isVisible(*instance.model, gpuOf(instance));
    if (instance.visible)
        drawModel(*instance.model, gpuOf(instance), &instance.animationState, instance.colour);
    glPopMatrix();
}

void drawPickingBox(const ModelInstance& instance, double x, double z) {
    if (!instance.model || !instance.visible)
        return;
    const WorldPoint ground = groundPoint(z, x);
    glPushMatrix();
    glTranslated(ground.x, ground.y, ground.z);
    drawBoundingBox(*instance.model);
    glPopMatrix();
}
