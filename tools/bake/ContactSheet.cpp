#include "ContactSheet.h"

#include "SoftwareRenderer.h"

#include <algorithm>

namespace {

// The model's extent, to frame it.
struct Bounds {
    Vec3 low{1e9f, 1e9f, 1e9f};
    Vec3 high{-1e9f, -1e9f, -1e9f};
};

Bounds boundsOf(const BakedModel& model) {
    Bounds b;
    for (const ModelFileMesh& mesh : model.contents.meshes) {
        for (const Vec3& p : mesh.positions) {
            b.low = {std::min(b.low.x, p.x), std::min(b.low.y, p.y), std::min(b.low.z, p.z)};
            b.high = {std::max(b.high.x, p.x), std::max(b.high.y, p.y), std::max(b.high.z, p.z)};
        }
    }
    return b;
}

View framing(const BakedModel& model, Vec3 direction, float fieldOfView) {
    const Bounds b = boundsOf(model);
    const Vec3 centre = (b.low + b.high) * 0.5f;
    const float radius = length(b.high - b.low) * 0.5f;
    const float distance = radius / std::sin(fieldOfView * 0.5f * Degrees) * 1.05f;
    return {centre + normalise(direction) * distance, centre, fieldOfView};
}

Image render(const BakedModel& model, int size, Rgb background, Vec3 direction, Rgb team, int keyframe) {
    constexpr int Supersample = 3;
    SoftwareRenderer renderer(size * Supersample, size * Supersample, background);
    renderer.draw(model, framing(model, direction, 28.0f), team, keyframe);
    return renderer.picture().scaledDown(Supersample);
}

void paste(Image& sheet, const Image& picture, int left, int top) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            sheet.set(left + x, top + y, picture.at(x, y));
        }
    }
}

const Rgb PlayerOneBlue{0.0f, 0.0f, 1.0f};

} // namespace

Image modelContactSheet(const std::vector<BakedModel>& models) {
    constexpr int Cell = 200;
    const Rgb background = rgb(70, 84, 70);
    const Vec3 threeQuarter{0.8f, 0.7f, 1.0f};
    size_t columns = 5;
    for (const BakedModel& model : models) {
        if (!model.contents.animations.empty()) {
            columns = std::max(columns, model.contents.animations[0].frames.size() + 1);
        }
    }
    int rows = static_cast<int>((models.size() + columns - 1) / columns);
    for (const BakedModel& model : models) {
        rows += model.contents.animations.empty() ? 0 : 1;
    }
    Image sheet(static_cast<int>(columns) * Cell, rows * Cell, background);
    for (size_t i = 0; i < models.size(); ++i) {
        paste(sheet, render(models[i], Cell, background, threeQuarter, PlayerOneBlue, -1),
              static_cast<int>(i % columns) * Cell, static_cast<int>(i / columns) * Cell);
    }
    int row = static_cast<int>((models.size() + columns - 1) / columns);
    for (const BakedModel& model : models) {
        if (model.contents.animations.empty()) {
            continue;
        }
        const Vec3 side{1.0f, 0.25f, 0.15f};
        paste(sheet, render(model, Cell, background, side, PlayerOneBlue, -1), 0, row * Cell);
        for (size_t k = 0; k < model.contents.animations[0].frames.size(); ++k) {
            paste(sheet, render(model, Cell, background, side, PlayerOneBlue, static_cast<int>(k)),
                  static_cast<int>(k + 1) * Cell, row * Cell);
        }
        ++row;
    }
    return sheet;
}

Image modelPortrait(const BakedModel& model, int size, Rgb teamColour) {
    constexpr int Supersample = 3;
    const int big = size * Supersample;
    Image backdrop(big, big);
    backdrop.shadeAll([&](int, int y, Rgb) {
        return mix(rgb(120, 140, 160), rgb(44, 52, 62), static_cast<float>(y) / big);
    });
    SoftwareRenderer renderer(big, big, {});
    renderer.draw(model, framing(model, {0.45f, 0.35f, 1.0f}, 24.0f), teamColour);
    for (int y = 0; y < big; ++y) {
        for (int x = 0; x < big; ++x) {
            if (renderer.covered(x, y)) {
                backdrop.set(x, y, renderer.picture().at(x, y));
            }
        }
    }
    Image portrait = backdrop.scaledDown(Supersample);
    // A bevelled frame, light above and left, dark below and right.
    portrait.shadeAll([&](int x, int y, Rgb c) {
        const int edge = std::min(std::min(x, y), std::min(size - 1 - x, size - 1 - y));
        if (edge >= 3) {
            return c;
        }
        const bool lit = x < size - 1 - y && (x == edge || y == edge);
        return lit ? rgb(200, 190, 160) : rgb(60, 52, 40);
    });
    return portrait;
}

Image modelIcon(const BakedModel& model, int size, Rgb teamColour) {
    constexpr int Supersample = 4;
    const int big = size * Supersample;
    const float half = big * 0.5f;
    Image icon(big, big, {}, 0.0f);
    const float inset = big / 24.0f;
    icon.paint(0, 0, big, big,
               [&](float x, float y) {
                   return boxDistance(x, y, half, half, half - inset, half - inset, big * 0.2f);
               },
               {});
    // Dusk over the hills: the figure stands out against it in every size.
    icon.shadeAll([&](int, int y, Rgb) {
        return mix(rgb(150, 170, 190), rgb(52, 66, 58),
                   smoothstep(0.15f, 0.95f, static_cast<float>(y) / big));
    });
    SoftwareRenderer renderer(big, big, {});
    renderer.draw(model, framing(model, {0.5f, 0.3f, 1.0f}, 26.0f), teamColour);
    for (int y = 0; y < big; ++y) {
        for (int x = 0; x < big; ++x) {
            if (renderer.covered(x, y)) {
                icon.blend(x, y, renderer.picture().at(x, y), 1.0f);
            }
        }
    }
    return icon.scaledDown(Supersample);
}
