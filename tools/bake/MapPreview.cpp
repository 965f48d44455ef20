#include "MapPreview.h"

#include "MapGenerator.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Scale = 3; // pixels per cell on the contact sheet
const Rgb Backdrop = rgb(30, 30, 34);

// Light from the north-west on the slope of the cell.
float relief(const WorldFile& map, int r, int c) {
    const float dx = cornerLevel(map, r, c + 1) - cornerLevel(map, r, c);
    const float dz = cornerLevel(map, r + 1, c) - cornerLevel(map, r, c);
    return std::clamp(1.0f - (dx + dz) * 0.12f, 0.6f, 1.35f);
}

// The cell in its ground's mean colour, lit by its slope; bare cells dark green.
Rgb groundColour(const WorldFile& map, const std::vector<Rgb>& groundColours, int r, int c) {
    const int32_t t = map.cellTextures[static_cast<size_t>(r) * map.columns + c];
    const Rgb ground =
        t >= 0 && t < static_cast<int32_t>(groundColours.size()) ? groundColours[t] : rgb(0, 74, 0);
    return ground * relief(map, r, c);
}

// Where the map lies in a picture and how large its markers are, in pixels.
struct MarkerLayout {
    float scale; // per cell
    float left, top;
    float pileRadius;
    float baseHalf; // half the side of a base centre's square
    float outline;  // the white rim round every marker
};

void markers(Image& panel, const WorldFile& map, const MarkerLayout& layout) {
    auto ring = [&](const MapPile& p, Rgb fill) {
        const float cx = layout.left + p.x * layout.scale, cy = layout.top + p.z * layout.scale;
        const float radius = layout.pileRadius;
        const int r = static_cast<int>(radius) + 3;
        panel.paint(
            static_cast<int>(cx) - r, static_cast<int>(cy) - r, static_cast<int>(cx) + r,
            static_cast<int>(cy) + r,
            [=](float x, float y) { return circleDistance(x, y, cx, cy, radius + layout.outline); },
            rgb(255, 255, 255));
        panel.paint(
            static_cast<int>(cx) - r, static_cast<int>(cy) - r, static_cast<int>(cx) + r,
            static_cast<int>(cy) + r, [=](float x, float y) { return circleDistance(x, y, cx, cy, radius); },
            fill);
    };
    for (const MapPile& p : map.metalPiles) {
        ring(p, rgb(190, 200, 215));
    }
    for (const MapPile& p : map.oilPiles) {
        ring(p, rgb(20, 20, 24));
    }
    const Rgb teams[2] = {rgb(40, 80, 255), rgb(235, 40, 30)};
    for (int i = 0; i < 2; ++i) {
        const float cx = layout.left + map.baseCentres[i].x * layout.scale;
        const float cy = layout.top + map.baseCentres[i].z * layout.scale;
        const float outer = layout.baseHalf + layout.outline;
        const int reach = static_cast<int>(outer) + 4;
        const int x0 = static_cast<int>(cx) - reach, y0 = static_cast<int>(cy) - reach;
        const int x1 = static_cast<int>(cx) + reach, y1 = static_cast<int>(cy) + reach;
        panel.paint(
            x0, y0, x1, y1, [=](float x, float y) { return boxDistance(x, y, cx, cy, outer, outer); },
            rgb(255, 255, 255));
        panel.paint(
            x0, y0, x1, y1,
            [=](float x, float y) { return boxDistance(x, y, cx, cy, layout.baseHalf, layout.baseHalf); },
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
            const float h = cornerLevel(map, r, c) / highest;
            heights.set(x, y, mix(rgb(60, 110, 60), rgb(235, 225, 200), h) * relief(map, r, c));
            grounds.set(x, y, groundColour(map, groundColours, r, c));
        }
    }
    const MarkerLayout layout{Scale, 0.0f, 0.0f, 4.0f, 6.5f, 1.5f};
    for (Image* panel : {&heights, &grounds}) {
        // The camera's start view: columns 65 to 110, rows 64 to 90.
        panel->paint(
            0, 0, panel->width(), panel->height(),
            [](float x, float y) {
                const float outer =
                    boxDistance(x, y, 87.5f * Scale, 77.0f * Scale, 22.5f * Scale, 13.0f * Scale);
                return std::abs(outer) - 1.0f;
            },
            rgb(255, 255, 255));
        markers(*panel, map, layout);
    }
    constexpr int Gap = 12;
    Image sheet(width * 2 + Gap * 3, height + Gap * 2, Backdrop);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            sheet.set(Gap + x, Gap + y, heights.at(x, y));
            sheet.set(Gap * 2 + width + x, Gap + y, grounds.at(x, y));
        }
    }
    return sheet;
}

Image mapPicture(const WorldFile& map, const std::vector<Rgb>& groundColours, int side) {
    const float scale = static_cast<float>(side) / std::max(map.columns, map.rows);
    const float left = (side - map.columns * scale) / 2.0f, top = (side - map.rows * scale) / 2.0f;
    // Each pixel averages a few samples of the cells under it, so a map larger than the picture
    // loses no thin feature entirely and the letterbox's edges are soft.
    constexpr int Samples = 4;
    Image picture(side, side, Backdrop);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            Rgb sum;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const float column = (x + (sx + 0.5f) / Samples - left) / scale;
                    const float row = (y + (sy + 0.5f) / Samples - top) / scale;
                    const bool inside =
                        column >= 0.0f && column < map.columns && row >= 0.0f && row < map.rows;
                    sum = sum + (inside ? groundColour(map, groundColours, static_cast<int>(row),
                                                       static_cast<int>(column))
                                        : Backdrop);
                }
            }
            picture.set(x, y, sum * (1.0f / (Samples * Samples)));
        }
    }
    markers(picture, map, {scale, left, top, 2.0f, 3.5f, 1.0f});
    return picture;
}
