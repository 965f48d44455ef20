#include "InterfaceArt.h"

#include "ContactSheet.h"
#include "Models.h"
#include "Noise.h"
#include "SkyFaces.h"

#include <algorithm>
#include <cmath>

namespace {

// The panel is a light stone-and-brass console: text is printed on it in black.
const Rgb PanelLight = rgb(214, 206, 186);
const Rgb PanelShadow = rgb(176, 166, 142);
const Rgb Brass = rgb(164, 124, 64);
const Rgb Outline = rgb(44, 34, 22);
constexpr int BarTop = 112; // pixels above the window's bottom edge where the bar ends

// The console's colour at `depth` pixels below its top edge, `bottom` pixels above the window's
// bottom edge; the panel and the bar share it so they join without a seam.
Rgb consoleColour(float depth, float bottom, float grain) {
    if (depth < 2.0f) {
        return Outline;
    }
    if (depth < 9.0f) {
        return Brass * (depth < 4.0f ? 1.3f : 1.0f - (depth - 4.0f) * 0.05f);
    }
    if (depth < 10.0f) {
        return Outline * 1.6f;
    }
    return mix(PanelShadow, PanelLight, clamp01(bottom / 90.0f)) * (0.96f + grain * 0.08f);
}

// A picture whose pixel (x, y) shows the console where its top edge lies `top(x)` pixels above
// the bottom; above it stays uncovered.
Image console(int width, int height, const std::function<float(int x)>& top, uint32_t seed) {
    Image image(width, height, {}, 0.0f);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float bottom = static_cast<float>(height - 1 - y);
            const float depth = top(x) - bottom;
            if (depth >= 0.0f) {
                const float grain = fractalNoise(x / 6.0f, y / 6.0f, seed, 3);
                image.blend(x, y, consoleColour(depth, bottom, grain), 1.0f);
            }
        }
    }
    return image;
}

Image panelCorner() {
    // High beside the window's edge (room for the button and the resources), sloping down to the
    // bar's height toward the middle of the window.
    Image image = console(
        256, 256,
        [](int x) {
            return x < 188   ? 176.0f
                   : x > 236 ? static_cast<float>(BarTop)
                             : 176.0f - (x - 188) * (64.0f / 48.0f);
        },
        401);
    for (int cx : {14, 170}) {
        image.paint(
            cx - 5, 256 - 24, cx + 5, 256 - 14,
            [=](float x, float y) { return circleDistance(x, y, cx, 256 - 19, 3.0f); }, Brass * 0.8f);
    }
    return image;
}

Image panelBar() {
    // The bar repeats every 4 pixels across the window, so only its vertical profile shows.
    Image image = console(
        16, 256, [](int) { return static_cast<float>(BarTop); }, 402);
    for (int y = 0; y < 256; ++y) {
        const Rgb c = image.at(0, y);
        for (int x = 1; x < 16; ++x) {
            image.set(x, y, c);
        }
    }
    return image;
}

Image selectionCircle() {
    constexpr int Size = 128;
    Image image(Size, Size, {}, 0.0f);
    // A hard-edged ring: the loader keys out only pure black, so a soft edge would leave a dark halo.
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const float d = std::abs(std::hypot(x + 0.5f - Size / 2.0f, y + 0.5f - Size / 2.0f) - 56.0f);
            if (d < 4.0f) {
                image.blend(x, y, rgb(255, 255, 255) * (1.0f - d * 0.08f), 1.0f);
            }
        }
    }
    return image;
}

// --- menu ---

const Rgb Steel = rgb(44, 58, 78);
const Rgb SteelDark = rgb(22, 28, 40);
const Rgb Gold = rgb(236, 196, 112);
const Rgb FieldLight = rgb(238, 234, 222);
const Rgb FieldEdge = rgb(96, 76, 44);

Image menuButton(bool lit) {
    Image image(256, 128, {}, 0.0f);
    // A plate from x 0 to 240 between 20 and 108 pixels above the bottom, its free end cut to a point.
    auto plate = [](float x, float y, float inset) {
        const float body = boxDistance(x, y, 110.0f, 64.0f, 110.0f - inset, 44.0f - inset, 8.0f);
        const float point = (x - 240.0f + inset) + std::abs(y - 64.0f) * 0.5f;
        return std::max(std::min(body, boxDistance(x, y, 200.0f, 64.0f, 40.0f - inset, 44.0f - inset)),
                        point);
    };
    image.paint(
        0, 0, 256, 128, [&](float x, float y) { return plate(x, y, 0.0f); }, lit ? Gold : Brass * 0.8f);
    image.paint(
        0, 0, 256, 128, [&](float x, float y) { return plate(x, y, 3.0f); }, Outline);
    image.paint(
        0, 0, 256, 128, [&](float x, float y) { return plate(x, y, 4.0f); }, lit ? rgb(70, 100, 140) : Steel);
    image.shadeAll([&](int x, int y, Rgb c) {
        if (plate(x + 0.5f, y + 0.5f, 4.0f) > 0.0f) {
            return c;
        }
        const float t = (y - 24.0f) / 80.0f;
        const Rgb top = lit ? rgb(92, 132, 178) : rgb(64, 82, 108);
        const Rgb bottom = lit ? rgb(40, 60, 92) : SteelDark;
        return mix(top, bottom, clamp01(t)) * (0.97f + 0.06f * fractalNoise(x / 8.0f, y / 8.0f, 411, 2));
    });
    return image;
}

// Frame profile across the framed box's edge: bright rim, dark groove, then the interior, which
// the game fills with the same (tinted) white.
Rgb frameProfile(float depth) {
    if (depth < 2.0f) {
        return rgb(255, 255, 255);
    }
    if (depth < 4.0f) {
        return rgb(110, 110, 110);
    }
    if (depth < 6.0f) {
        return rgb(200, 200, 200);
    }
    return rgb(255, 255, 255);
}

Image boxEdge() {
    constexpr float Radius = 10.0f;
    Image image(32, 32, {}, 0.0f);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float depth =
                px < Radius && py < Radius ? Radius - std::hypot(Radius - px, Radius - py) : std::min(px, py);
            if (depth >= 0.0f) {
                image.blend(x, y, frameProfile(depth), 1.0f);
            }
        }
    }
    return image;
}

Image boxBorder() {
    Image image(32, 32);
    image.shadeAll([](int, int y, Rgb) { return frameProfile(y + 0.5f); });
    return image;
}

Image checkbox(bool checked) {
    Image image(32, 32, {}, 0.0f);
    image.paint(
        0, 0, 32, 32, [](float x, float y) { return boxDistance(x, y, 16, 16, 15, 15, 5); },
        rgb(226, 222, 210));
    image.paint(
        0, 0, 32, 32, [](float x, float y) { return boxDistance(x, y, 16, 16, 12, 12, 3); }, rgb(30, 36, 46));
    if (checked) {
        auto tick = [](float x, float y) {
            return std::min(segmentDistance(x, y, 9, 16, 14, 22, 2.5f),
                            segmentDistance(x, y, 14, 22, 24, 9, 2.5f));
        };
        image.paint(0, 0, 32, 32, tick, rgb(150, 230, 110));
    }
    return image;
}

// The field's left end cap, 16 x 32: a rounded end, a dark rim and the light field.
Image fieldEdge() {
    Image image(16, 32, {}, 0.0f);
    image.paint(
        0, 0, 16, 32, [](float x, float y) { return boxDistance(x, y, 16, 16, 15.5f, 15.5f, 7); }, FieldEdge);
    image.paint(
        0, 0, 16, 32, [](float x, float y) { return boxDistance(x, y, 16, 16, 13.5f, 13.5f, 5); },
        FieldLight);
    return image;
}

Image fieldBorder() {
    Image image(16, 32);
    image.shadeAll([](int, int y, Rgb) {
        const float depth = std::min(y + 0.5f, 31.5f - y);
        return depth < 2.0f ? FieldEdge : FieldLight * (1.0f - 0.06f * (y / 31.0f));
    });
    return image;
}

Image arrowDown() {
    Image image(32, 32, {}, 0.0f);
    image.paint(
        0, 0, 32, 32, [](float x, float y) { return boxDistance(x, y, 16, 16, 15, 15, 4); }, FieldEdge);
    image.paint(
        0, 0, 32, 32, [](float x, float y) { return boxDistance(x, y, 16, 16, 13, 13, 3); }, Brass);
    image.paint(
        0, 0, 32, 32,
        [](float x, float y) {
            return std::max(11.0f - y, (std::abs(x - 16.0f) - 7.0f * (22.0f - y) / 11.0f) * 0.84f);
        },
        Outline);
    return image;
}

Image sliderKnob() {
    Image image(16, 16, {}, 0.0f);
    image.paint(
        0, 0, 16, 16, [](float x, float y) { return circleDistance(x, y, 8, 8, 7.5f); }, rgb(90, 90, 90));
    image.paint(
        0, 0, 16, 16, [](float x, float y) { return circleDistance(x, y, 8, 8, 6.0f); }, rgb(230, 230, 230));
    image.paint(
        0, 0, 16, 16, [](float x, float y) { return circleDistance(x, y, 6.5f, 6.0f, 2.5f); },
        rgb(255, 255, 255));
    return image;
}

Image sliderTrack() {
    Image image(128, 16, {}, 0.0f);
    image.paint(
        0, 0, 128, 16, [](float x, float y) { return boxDistance(x, y, 64, 8, 63, 5, 5); },
        rgb(200, 196, 184));
    image.paint(
        0, 0, 128, 16, [](float x, float y) { return boxDistance(x, y, 64, 7.5f, 61, 3.5f, 3.5f); },
        rgb(34, 38, 48));
    return image;
}

// The menu's backdrop: evening sky over layers of hills fading into haze.
Image menuBackground() {
    constexpr int Width = 1024, Height = 768;
    Image image(Width, Height);
    const Vec3 forward = normalise({0.35f, 0.12f, -0.94f});
    const Vec3 right = normalise(cross(forward, {0, 1, 0}));
    const Vec3 up = cross(right, forward);
    image.shadeAll([&](int x, int y, Rgb) {
        const float sx = (x - Width / 2.0f) / Height * 1.2f, sy = (Height / 2.0f - y) / Height * 1.2f;
        return skyColour(normalise(forward + right * sx + up * sy));
    });
    const Rgb haze = rgb(150, 166, 176);
    const Rgb layers[4] = {rgb(112, 130, 134), rgb(80, 100, 92), rgb(52, 72, 56), rgb(30, 44, 32)};
    for (int layer = 0; layer < 4; ++layer) {
        const float base = 0.56f + layer * 0.1f;
        for (int x = 0; x < Width; ++x) {
            const float ridge =
                base - (fractalNoise(x / (260.0f - layer * 50.0f), layer * 7.0f, 420 + layer, 4) - 0.3f) *
                           (0.22f + layer * 0.04f);
            const int top = static_cast<int>(ridge * Height);
            for (int y = std::max(0, top); y < Height; ++y) {
                const float fade = clamp01((y - top) / (Height * 0.35f));
                const Rgb c = mix(layers[layer], haze, 0.25f * (1.0f - fade) * (3 - layer) / 3.0f);
                image.set(x, y, c * (0.92f + 0.08f * fractalNoise(x / 20.0f, y / 20.0f, 430 + layer, 3)));
            }
            if (top >= 0 && top < Height) {
                image.set(x, top, mix(image.at(x, top), haze, 0.5f));
            }
        }
    }
    image.shadeAll([&](int x, int y, Rgb c) {
        const float dx = (x - Width / 2.0f) / Width, dy = (y - Height / 2.0f) / Height;
        return c * (1.0f - 0.5f * (dx * dx + dy * dy));
    });
    return image;
}

} // namespace

std::vector<NamedPicture> interfaceArt(const std::vector<BakedModel>& models) {
    std::vector<NamedPicture> art;
    art.push_back({"interface/panel.png", panelCorner(), Transparency::BlackKey});
    art.push_back({"interface/panel_bar.png", panelBar(), Transparency::BlackKey});
    // Every type's portrait in its side's colour: side 1's under the plain name, side 2's with
    // "_2"; the neutral piles in white.
    const Rgb playerOne{0.0f, 0.0f, 1.0f};
    const Rgb playerTwo{1.0f, 0.0f, 0.0f};
    const Rgb neutral{1.0f, 1.0f, 1.0f};
    const struct {
        const char* picture;
        const char* model;
        bool sided;
    } portraits[] = {
        {"marine", "marine.ktqm", true},
        {"worker", "villager.ktqm", true},
        {"barracks", "barracks.ktqm", true},
        {"base_center", "base_center.ktqm", true},
        {"scout", "scout.ktqm", true},
        {"refinery", "oilfactory.ktqm", true},
        {"metal_pile", "metal_resource.ktqm", false},
        {"oil_pile", "verion_oil.ktqm", false},
    };
    for (const auto& portrait : portraits) {
        const BakedModel& model = modelNamed(models, portrait.model);
        const std::string name = std::string("unit_thumbs/") + portrait.picture;
        art.push_back({name + ".bmp", modelPortrait(model, 128, portrait.sided ? playerOne : neutral)});
        if (portrait.sided)
            art.push_back({name + "_2.bmp", modelPortrait(model, 128, playerTwo)});
    }
    art.push_back({"circle.png", selectionCircle(), Transparency::BlackKey});
    return art;
}

std::vector<NamedPicture> menuArt() {
    std::vector<NamedPicture> art;
    art.push_back({"button_on.bmp", menuButton(true), Transparency::BlackKey});
    art.push_back({"button_off.bmp", menuButton(false), Transparency::BlackKey});
    art.push_back({"box_edge.bmp", boxEdge(), Transparency::BlackKey});
    art.push_back({"box_border.bmp", boxBorder()});
    art.push_back({"checkboxon.bmp", checkbox(true), Transparency::BlackKey});
    art.push_back({"checkboxoff.bmp", checkbox(false), Transparency::BlackKey});
    art.push_back({"combobox_edge.bmp", fieldEdge(), Transparency::BlackKey});
    art.push_back({"combobox_border.bmp", fieldBorder()});
    art.push_back({"arrowdown.bmp", arrowDown(), Transparency::BlackKey});
    art.push_back({"slider.bmp", sliderKnob(), Transparency::BlackKey});
    art.push_back({"sliderbar.bmp", sliderTrack(), Transparency::BlackKey});
    art.push_back({"menu_bg.png", menuBackground()});
    return art;
}
