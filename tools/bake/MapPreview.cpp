#include "MapPreview.h"

#include "MapGenerator.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Scale = 3; // pixels per cell

// Light from the north-west on the slope of the cell.
float relief(const WorldFile& map, int r, int c) {
    const float dx = cornerLevel(map, r, c + 1) - cornerLevel(map, r, c);
    const float dz = cornerLevel(map, r + 1, c) - cornerLevel(map, r, c);
    return std::clamp(1.0f - (dx + dz) * 0.12f, 0.6f, 1.35f);
}

void markers(Image& panel, const WorldFile& map) {
    auto ring = [&](const MapPile& p, float radius, Rgb fill) {
        const float cx = p.x * Scale, cy = p.z * Scale;
        const int r = static_cast<int>(radius) + 3;
        panel.paint(
            static_cast<int>(cx) - r, static_cast<int>(cy) - r, static_cast<int>(cx) + r,
            static_cast<int>(cy) + r,
            [=](float x, float y) { return circleDistance(x, y, cx, cy, radius + 1.5f); },
            rgb(255, 255, 255));
        panel.paint(
            static_cast<int>(cx) - r, static_cast<int>(cy) - r, static_cast<int>(cx) + r,
            static_cast<int>(cy) + r, [=](float x, float y) { return circleDistance(x, y, cx, cy, radius); },
            fill);
    };
    // The camera's start view: columns 65 to 110, rows 64 to 90.
    panel.paint(
        0, 0, panel.width(), panel.height(),
        [](float x, float y) {
            const float outer = boxDistance(x, y, 87.5f * Scale, 77.0f * Scale, 22.5f * Scale, 13.0f * Scale);
            return std::abs(outer) - 1.0f;
        },
        rgb(255, 255, 255));
    for (const MapPile& p : map.metalPiles) {
        ring(p, 4.0f, rgb(190, 200, 215));
    }
    for (const MapPile& p : map.oilPiles) {
        ring(p, 4.0f, rgb(20, 20, 24));
    }
    const Rgb teams[2] = {rgb(40, 80, 255), rgb(235, 40, 30)};
    for (int i = 0; i < 2; ++i) {
        const MapBaseCentre b = map.baseCentres[i];
        panel.paint(
            b.x * Scale - 12, b.z * Scale - 12, b.x * Scale + 12, b.z * Scale + 12,
            [=](float x, float y) { return boxDistance(x, y, b.x * Scale, b.z * Scale, 8.0f, 8.0f); },
            rgb(255, 255, 255));
        panel.paint(
            b.x * Scale - 12, b.z * Scale - 12, b.x * Scale + 12, b.z * Scale + 12,
            [=](float x, float y) { return boxDistance(x, y, b.x * Scale, b.z * Scale, 6.5f, 6.5f); },
            teams[i]);
    }
}

} // namespace

Image mapPreview(const WorldFile& map, const std::vector<Rgb>& groundColours) {
    const int width = map.columns * Scale, height = map.rows * Scale;
    float highest = 1e-3f;
    for (int r = 0; r <= map.rows; ++r) {
        for (int c = 0; c < map.columns; ++c) {
            highest = std::max(highest, cornerLevel(map, r, c));
        }
    }
    Image heights(width, height), grounds(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int r = y / Scale, c = x / Scale;
            const float shade = relief(map, r, c);
            const float h = cornerLevel(map, r, c) / highest;
            heights.set(x, y, mix(rgb(60, 110, 60), rgb(235, 225, 200), h) * shade);
            const int32_t t = map.cellTextures[static_cast<size_t>(r) * map.columns + c];
            const Rgb ground =
                t >= 0 && t < static_cast<int32_t>(groundColours.size()) ? groundColours[t] : rgb(0, 74, 0);
            grounds.set(x, y, ground * shade);
        }
    }
    markers(heights, map);
    markers(grounds, map);
    constexpr int Gap = 12;
    Image sheet(width * 2 + Gap * 3, height + Gap * 2, rgb(30, 30, 34));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            sheet.set(Gap + x, Gap + y, heights.at(x, y));
            sheet.set(Gap * 2 + width + x, Gap + y, grounds.at(x, y));
        }
    }
    return sheet;
}
