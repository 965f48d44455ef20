// The three buildings, 4 to 5 cells (15 to 19 units) across. Seen mostly from above, so the roofs
// are the colour separator: they carry the owner's colour.
#include "Models.h"

#include "MeshBuilder.h"
#include "SkinTiles.h"

#include <functional>

namespace {

// Which tile each panel of a wall shows: side 0 front (+z), 1 right (+x), 2 back, 3 left.
using PanelTiles = std::function<Tile(int side, int panel, int panels)>;

// Four walls around x0..x1, z0..z1 from y0 to y1, cut into panels about `panelWidth` wide.
void walls(MeshBuilder& b, float x0, float x1, float z0, float z1, float y0, float y1, float panelWidth,
           const PanelTiles& tiles) {
    struct Side {
        Vec3 start, along;
        float length;
    };
    const Side sides[4] = {{{x0, 0, z1}, {1, 0, 0}, x1 - x0},
                           {{x1, 0, z1}, {0, 0, -1}, z1 - z0},
                           {{x1, 0, z0}, {-1, 0, 0}, x1 - x0},
                           {{x0, 0, z0}, {0, 0, 1}, z1 - z0}};
    for (int s = 0; s < 4; ++s) {
        const int panels = std::max(1, static_cast<int>(sides[s].length / panelWidth + 0.5f));
        const float w = sides[s].length / panels;
        for (int i = 0; i < panels; ++i) {
            const Vec3 a = sides[s].start + sides[s].along * (w * i) + Vec3{0, y0, 0};
            const Vec3 c = a + sides[s].along * w;
            b.quad(a, c, c + Vec3{0, y1 - y0, 0}, a + Vec3{0, y1 - y0, 0}, tiles(s, i, panels));
        }
    }
}

BakedModel building(const std::string& fileName, const char* folder, const std::string& skinName,
                    const std::function<void(std::vector<ModelFileMesh>&)>& build,
                    const std::function<void(Image&)>& paintSkin) {
    std::vector<ModelFileMesh> meshes = namedMeshes({"building", ColourSeparatorName});
    build(meshes);
    Image skin(AtlasSize, AtlasSize);
    paintSkin(skin);
    return skinnedModel(fileName, folder, skinName, std::move(meshes), std::move(skin));
}

} // namespace

BakedModel buildBarracks() {
    return building(
        "barracks.ktqm", SharedTextureFolder, "barracks.png",
        [](std::vector<ModelFileMesh>& meshes) {
            const Tile stone = atlasTile(0, 0), wood = atlasTile(1, 0), window = atlasTile(2, 0),
                       door = atlasTile(3, 0), roof = atlasTile(4, 0), gableEnd = atlasTile(5, 0),
                       trim = atlasTile(6, 0), dark = atlasTile(7, 0);
            MeshBuilder b(meshes[0], {});
            b.box({-8.2f, 0.0f, -5.7f}, {8.2f, 0.6f, 5.7f}, stone); // footing
            walls(b, -7.8f, 7.8f, -5.3f, 5.3f, 0.6f, 2.0f, 2.0f, [&](int, int, int) { return stone; });
            walls(b, -7.8f, 7.8f, -5.3f, 5.3f, 2.0f, 5.6f, 2.0f, [&](int side, int i, int n) {
                if (side == 0 && i == n / 2) {
                    return door;
                }
                return i % 2 == 1 ? window : wood;
            });
            b.box({-8.0f, 5.6f, -5.5f}, {8.0f, 5.9f, 5.5f}, trim);
            b.box({-1.4f, 0.6f, 5.3f}, {1.4f, 0.9f, 6.6f}, stone);  // step before the door
            b.box({5.0f, 5.9f, -2.5f}, {6.2f, 9.8f, -1.3f}, stone); // chimney
            b.box({4.9f, 9.8f, -2.6f}, {6.3f, 10.1f, -1.2f}, dark);
            MeshBuilder pole(meshes[0], Transform::translation({-7.2f, 0.6f, 6.2f}));
            pole.frustum(0.0f, 0.12f, 11.0f, 0.08f, 6, dark, dark);
            MeshBuilder team(meshes[1], {});
            team.gable(-8.4f, 8.4f, -6.2f, 6.2f, 5.9f, 9.2f, roof, gableEnd);
            team.box({-8.5f, 9.1f, -0.25f}, {8.5f, 9.4f, 0.25f}, trim); // ridge
            MeshBuilder flag(meshes[1], Transform::translation({-7.2f, 9.2f, 6.2f}));
            flag.box({0.1f, 0.0f, -0.05f}, {2.6f, 1.6f, 0.05f}, trim);
        },
        [](Image& skin) {
            paintTile(skin, 0, 0, Surface::Bricks, rgb(150, 138, 118), 51);
            paintTile(skin, 1, 0, Surface::Planks, rgb(128, 92, 58), 52);
            paintTile(skin, 2, 0, Surface::Window, rgb(128, 92, 58), 53);
            paintTile(skin, 3, 0, Surface::Door, rgb(128, 92, 58), 54);
            paintTile(skin, 4, 0, Surface::RoofTiles, rgb(236, 232, 226), 55);
            paintTile(skin, 5, 0, Surface::Planks, rgb(200, 196, 188), 56);
            paintTile(skin, 6, 0, Surface::Plain, rgb(242, 242, 242), 57);
            paintTile(skin, 7, 0, Surface::Plain, rgb(60, 58, 56), 58);
        });
}

BakedModel buildBaseCentre() {
    return building(
        "base_center.ktqm", SharedTextureFolder, "base_center.png",
        [](std::vector<ModelFileMesh>& meshes) {
            const Tile concrete = atlasTile(0, 0), stone = atlasTile(1, 0), window = atlasTile(2, 0),
                       door = atlasTile(3, 0), roof = atlasTile(4, 0), plate = atlasTile(5, 0),
                       trim = atlasTile(6, 0), dark = atlasTile(7, 0), grille = atlasTile(0, 1);
            MeshBuilder b(meshes[0], {});
            b.box({-9.4f, 0.0f, -9.4f}, {9.4f, 1.0f, 9.4f}, concrete); // plinth
            walls(b, -7.0f, 7.0f, -7.0f, 7.0f, 1.0f, 7.0f, 2.4f, [&](int side, int i, int n) {
                if (side == 0 && i == n / 2) {
                    return door;
                }
                return i % 2 == 0 ? stone : window;
            });
            b.box({-7.3f, 7.0f, -7.3f}, {7.3f, 7.5f, 7.3f}, dark); // cornice
            b.box({-7.0f, 7.5f, -7.0f}, {7.0f, 7.6f, 7.0f}, plate);
            walls(b, -3.6f, 3.6f, -3.6f, 3.6f, 7.6f, 11.0f, 2.4f,
                  [&](int, int i, int) { return i % 2 == 0 ? grille : stone; });
            b.box({-1.6f, 1.0f, 7.0f}, {1.6f, 1.3f, 8.8f}, concrete); // ramp to the door
            MeshBuilder mast(meshes[0], Transform::translation({0, 14.0f, 0}));
            mast.frustum(0.0f, 0.18f, 3.5f, 0.06f, 6, dark, dark);
            MeshBuilder team(meshes[1], {});
            team.frustum(11.0f, 4.2f, 14.0f, 1.2f, 8, roof, roof); // the keep's roof
            for (float x : {-7.0f, 7.0f}) {
                for (float z : {-7.0f, 7.0f}) {
                    MeshBuilder tower(meshes[0], Transform::translation({x, 0, z}));
                    tower.frustum(1.0f, 2.0f, 9.0f, 1.8f, 8, stone, plate);
                    tower.frustum(9.0f, 2.2f, 9.5f, 2.2f, 8, dark, plate);
                    MeshBuilder cap(meshes[1], Transform::translation({x, 0, z}));
                    cap.frustum(9.5f, 2.2f, 12.0f, 0.0f, 8, roof, roof);
                }
            }
            MeshBuilder banner(meshes[1], {});
            banner.quad({-1.8f, 3.6f, 7.02f}, {1.8f, 3.6f, 7.02f}, {1.8f, 6.8f, 7.02f}, {-1.8f, 6.8f, 7.02f},
                        trim);
        },
        [](Image& skin) {
            paintTile(skin, 0, 0, Surface::Plain, rgb(160, 156, 146), 61);
            paintTile(skin, 1, 0, Surface::Bricks, rgb(176, 164, 140), 62);
            paintTile(skin, 2, 0, Surface::Window, rgb(120, 112, 100), 63);
            paintTile(skin, 3, 0, Surface::Door, rgb(120, 112, 100), 64);
            paintTile(skin, 4, 0, Surface::Plate, rgb(236, 236, 240), 65);
            paintTile(skin, 5, 0, Surface::Plate, rgb(150, 150, 156), 66);
            paintTile(skin, 6, 0, Surface::Cloth, rgb(245, 245, 245), 67);
            paintTile(skin, 7, 0, Surface::Plain, rgb(70, 66, 62), 68);
            paintTile(skin, 0, 1, Surface::Grille, rgb(120, 118, 112), 69);
        });
}

BakedModel buildOilRefinery() {
    return building(
        "oilfactory.ktqm", ModelsFolder, "oilfactory.png",
        [](std::vector<ModelFileMesh>& meshes) {
            const Tile concrete = atlasTile(0, 0), tank = atlasTile(1, 0), stripes = atlasTile(2, 0),
                       pipe = atlasTile(3, 0), roof = atlasTile(4, 0), wall = atlasTile(5, 0),
                       window = atlasTile(6, 0), dark = atlasTile(7, 0);
            MeshBuilder b(meshes[0], {});
            b.box({-8.4f, 0.0f, -7.4f}, {8.4f, 0.5f, 7.4f}, concrete);
            b.box({-8.6f, 0.0f, -7.6f}, {8.6f, 0.3f, 7.6f}, stripes);
            for (float x : {-4.2f, 1.8f}) {
                MeshBuilder t(meshes[0], Transform::translation({x, 0, -2.8f}));
                t.frustum(0.5f, 2.6f, 6.5f, 2.6f, 12, tank, roof);
                MeshBuilder top(meshes[1], Transform::translation({x, 0, -2.8f}));
                top.frustum(6.5f, 2.7f, 7.6f, 0.6f, 12, roof, roof);
                top.frustum(3.0f, 2.65f, 4.0f, 2.65f, 12, roof, roof);
            }
            MeshBuilder column(meshes[0], Transform::translation({6.0f, 0, 3.4f}));
            column.frustum(0.5f, 1.3f, 13.0f, 1.1f, 10, tank, dark);
            column.frustum(13.0f, 1.25f, 13.6f, 1.25f, 10, dark, dark);
            MeshBuilder band(meshes[1], Transform::translation({6.0f, 0, 3.4f}));
            band.frustum(9.0f, 1.2f, 10.2f, 1.2f, 10, roof, roof);
            walls(b, -7.4f, 1.4f, 1.6f, 6.6f, 0.5f, 4.2f, 2.2f,
                  [&](int side, int i, int) { return side == 0 && i % 2 == 1 ? window : wall; });
            MeshBuilder shed(meshes[1], {});
            shed.gable(-7.7f, 1.7f, 1.3f, 6.9f, 4.2f, 5.8f, roof, wall);
            for (float z : {-1.0f, 0.0f}) {
                b.box({-4.2f, 2.0f + z * 0.6f, z - 0.2f}, {6.0f, 2.4f + z * 0.6f, z + 0.2f}, pipe);
            }
            b.box({5.8f, 0.5f, -0.2f}, {6.2f, 2.4f, 3.0f}, pipe);
        },
        [](Image& skin) {
            paintTile(skin, 0, 0, Surface::Plain, rgb(150, 148, 140), 71);
            paintTile(skin, 1, 0, Surface::Plate, rgb(196, 190, 176), 72);
            paintTile(skin, 2, 0, Surface::Stripes, rgb(230, 190, 40), 73);
            paintTile(skin, 3, 0, Surface::Plain, rgb(110, 112, 118), 74);
            paintTile(skin, 4, 0, Surface::Plate, rgb(236, 236, 240), 75);
            paintTile(skin, 5, 0, Surface::Plate, rgb(150, 140, 120), 76);
            paintTile(skin, 6, 0, Surface::Window, rgb(150, 140, 120), 77);
            paintTile(skin, 7, 0, Surface::Plain, rgb(52, 50, 48), 78);
        });
}
