#include "SoftwareRenderer.h"

#include "files/MeshNormals.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const Vec3 LightDirection = normalise({-0.5f, 0.8f, 0.6f});

struct ScreenCorner {
    float x, y, inverseDepth;
    Vec2 texCoord;
};

// The corners of mesh m in the rest pose (keyframe < 0) or in a keyframe of the first
// animation, where a frame without new geometry keeps the one before.
const std::vector<Vec3>& posedPositions(const ModelFileContents& contents, size_t m, int keyframe) {
    const std::vector<Vec3>* positions = &contents.meshes[m].positions;
    for (int k = 0; k <= keyframe; ++k) {
        const auto& frameMesh = contents.animations[0].frames[k].meshes[m];
        if (frameMesh.positions) {
            positions = &*frameMesh.positions;
        }
    }
    return *positions;
}

const Image* skinOf(const BakedModel& model, int materialIndex) {
    if (materialIndex < 0 || materialIndex >= static_cast<int>(model.contents.materials.size())) {
        return nullptr;
    }
    const int texture = model.contents.materials[materialIndex].textureIndex;
    return texture >= 0 && texture < static_cast<int>(model.skins.size()) ? &model.skins[texture].picture
                                                                          : nullptr;
}

} // namespace

SoftwareRenderer::SoftwareRenderer(int width, int height, Rgb background)
    : picture_(width, height, background, 0.0f),
      depth_(static_cast<size_t>(width) * height, std::numeric_limits<float>::infinity()) {}

bool SoftwareRenderer::covered(int x, int y) const {
    return std::isfinite(depth_[static_cast<size_t>(y) * picture_.width() + x]);
}

void SoftwareRenderer::draw(const BakedModel& model, const View& view, Rgb teamColour, int keyframe) {
    const Vec3 forward = normalise(view.target - view.eye);
    const Vec3 right = normalise(cross(forward, {0, 1, 0}));
    const Vec3 up = cross(right, forward);
    const float focal = picture_.height() * 0.5f / std::tan(view.fieldOfViewDegrees * 0.5f * Degrees);
    const int width = picture_.width(), height = picture_.height();

    const ModelFileContents& contents = model.contents;
    for (size_t m = 0; m < contents.meshes.size(); ++m) {
        const ModelFileMesh& mesh = contents.meshes[m];
        const Image* skin = skinOf(model, mesh.materialIndex);
        const Rgb tint = mesh.name == ColourSeparatorName ? teamColour : Rgb{1, 1, 1};
        const std::vector<Vec3>& positions = posedPositions(contents, m, keyframe);
        for (size_t f = 0; f * 3 < positions.size(); ++f) {
            const Vec3* corners = &positions[f * 3];
            const Vec3 normal = faceNormal(corners[0], corners[1], corners[2]);
            const float light = 0.42f + 0.68f * std::max(0.0f, dot(normal, LightDirection));
            ScreenCorner screen[3];
            bool behind = false;
            for (int i = 0; i < 3; ++i) {
                const Vec3 d = corners[i] - view.eye;
                const float z = dot(d, forward);
                behind = behind || z < 0.01f;
                screen[i] = {width * 0.5f + dot(d, right) / z * focal, height * 0.5f - dot(d, up) / z * focal,
                             1.0f / z, mesh.texCoords[f * 3 + i]};
            }
            if (behind) {
                continue;
            }
            const float area = (screen[1].x - screen[0].x) * (screen[2].y - screen[0].y) -
                               (screen[2].x - screen[0].x) * (screen[1].y - screen[0].y);
            if (std::abs(area) < 1e-6f) {
                continue;
            }
            const int x0 =
                std::max(0, static_cast<int>(std::floor(std::min({screen[0].x, screen[1].x, screen[2].x}))));
            const int x1 = std::min(
                width - 1, static_cast<int>(std::ceil(std::max({screen[0].x, screen[1].x, screen[2].x}))));
            const int y0 =
                std::max(0, static_cast<int>(std::floor(std::min({screen[0].y, screen[1].y, screen[2].y}))));
            const int y1 = std::min(
                height - 1, static_cast<int>(std::ceil(std::max({screen[0].y, screen[1].y, screen[2].y}))));
            for (int y = y0; y <= y1; ++y) {
                for (int x = x0; x <= x1; ++x) {
                    const float px = x + 0.5f, py = y + 0.5f;
                    float w[3];
                    for (int i = 0; i < 3; ++i) {
                        const ScreenCorner& a = screen[(i + 1) % 3];
                        const ScreenCorner& b = screen[(i + 2) % 3];
                        w[i] = ((b.x - a.x) * (py - a.y) - (px - a.x) * (b.y - a.y)) / area;
                    }
                    if (w[0] < 0 || w[1] < 0 || w[2] < 0) {
                        continue;
                    }
                    const float inverseDepth = w[0] * screen[0].inverseDepth + w[1] * screen[1].inverseDepth +
                                               w[2] * screen[2].inverseDepth;
                    const float depth = 1.0f / inverseDepth;
                    float& stored = depth_[static_cast<size_t>(y) * width + x];
                    if (depth >= stored) {
                        continue;
                    }
                    stored = depth;
                    Rgb colour{0.8f, 0.8f, 0.8f};
                    if (skin != nullptr) {
                        float u = 0, v = 0;
                        for (int i = 0; i < 3; ++i) {
                            u += w[i] * screen[i].inverseDepth * screen[i].texCoord.u;
                            v += w[i] * screen[i].inverseDepth * screen[i].texCoord.v;
                        }
                        colour = skin->sample(u * depth, 1.0f - v * depth, true);
                    }
                    picture_.set(x, y, colour * tint * light);
                    picture_.blend(x, y, picture_.at(x, y), 1.0f);
                }
            }
        }
    }
}
