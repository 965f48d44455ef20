// Resource piles, the scout car and the two projectiles.
#include "Models.h"

#include "MeshBuilder.h"
#include "Noise.h"
#include "SkinTiles.h"

#include <cmath>
#include <functional>

namespace {

BakedModel prop(const std::string& fileName, const char* folder, const std::string& skinName,
                const std::vector<std::string>& meshNames,
                const std::function<void(std::vector<ModelFileMesh>&)>& build,
                const std::function<void(Image&)>& paintSkin) {
    std::vector<ModelFileMesh> meshes = namedMeshes(meshNames);
    build(meshes);
    Image skin(AtlasSize, AtlasSize);
    paintSkin(skin);
    return skinnedModel(fileName, folder, skinName, std::move(meshes), std::move(skin));
}

// A lumpy boulder: a low sphere whose corners are pushed in and out by a seeded amount, so no
// two rocks of a pile look alike.
void boulder(ModelFileMesh& mesh, Vec3 centre, Vec3 radii, float yaw, uint32_t seed, const Tile& tile) {
    ModelFileMesh round;
    MeshBuilder(round, Transform::translation(centre) * Transform::rotationY(yaw))
        .ellipsoid({}, radii, 4, 7, tile);
    for (Vec3& p : round.positions) {
        const float bump =
            0.8f + 0.4f * latticeValue(static_cast<int>(std::lround(p.x * 50)),
                                       static_cast<int>(std::lround((p.y * 7 + p.z) * 50)), seed);
        p = centre + (p - centre) * bump;
        p.y = std::max(p.y, 0.0f);
    }
    mesh.positions.insert(mesh.positions.end(), round.positions.begin(), round.positions.end());
    mesh.texCoords.insert(mesh.texCoords.end(), round.texCoords.begin(), round.texCoords.end());
}

} // namespace

BakedModel buildMetalPile() {
    return prop(
        "metal_resource.ktqm", SharedTextureFolder, "metal_resource.png", {"ore"},
        [](std::vector<ModelFileMesh>& meshes) {
            Random random(404);
            const Tile ore = atlasTile(0, 0), rock = atlasTile(1, 0);
            boulder(meshes[0], {0, 0.9f, 0}, {2.2f, 1.9f, 2.0f}, 10, 1, ore);
            for (int i = 0; i < 7; ++i) {
                const float angle = i * 51.0f + random.uniform(0, 20);
                const float distance = random.uniform(2.0f, 3.2f);
                const float size = random.uniform(0.6f, 1.2f);
                const Vec3 at{std::sin(angle * Degrees) * distance, size * 0.5f,
                              std::cos(angle * Degrees) * distance};
                boulder(meshes[0], at, {size, size * 0.9f, size * 1.1f}, angle, 10 + i,
                        i % 3 == 0 ? rock : ore);
            }
        },
        [](Image& skin) {
            paintTile(skin, 0, 0, Surface::Ore, rgb(120, 132, 150), 81);
            paintTile(skin, 1, 0, Surface::Rock, rgb(112, 104, 96), 82);
        });
}

BakedModel buildOilPile() {
    return prop(
        "verion_oil.ktqm", SharedTextureFolder, "verion_oil.png", {"pool", "rocks"},
        [](std::vector<ModelFileMesh>& meshes) {
            const Tile oil = atlasTile(0, 0), rock = atlasTile(1, 0), crust = atlasTile(2, 0);
            MeshBuilder pool(meshes[0], {});
            pool.frustum(0.0f, 3.4f, 0.18f, 3.2f, 14, crust, oil);
            boulder(meshes[0], {0.6f, 0.15f, -0.4f}, {1.3f, 0.55f, 1.1f}, 0, 30, oil); // a welling mound
            Random random(505);
            for (int i = 0; i < 6; ++i) {
                const float angle = i * 60.0f + random.uniform(0, 25);
                const float distance = random.uniform(3.3f, 3.9f);
                const float size = random.uniform(0.45f, 0.8f);
                const Vec3 at{std::sin(angle * Degrees) * distance, size * 0.4f,
                              std::cos(angle * Degrees) * distance};
                boulder(meshes[1], at, {size, size * 0.55f, size * 1.2f}, angle, 20 + i, rock);
            }
        },
        [](Image& skin) {
            paintTile(skin, 0, 0, Surface::Oil, rgb(30, 44, 52), 91);
            paintTile(skin, 1, 0, Surface::Rock, rgb(132, 118, 98), 92);
            paintTile(skin, 2, 0, Surface::Rock, rgb(104, 88, 66), 93);
        });
}

BakedModel buildScout() {
    return prop(
        "scout.ktqm", ModelsFolder, "scout.png", {"chassis", ColourSeparatorName},
        [](std::vector<ModelFileMesh>& meshes) {
            const Tile metal = atlasTile(0, 0), paint = atlasTile(1, 0), tyre = atlasTile(2, 0),
                       hub = atlasTile(3, 0), glass = atlasTile(4, 0), dark = atlasTile(5, 0),
                       grille = atlasTile(6, 0);
            MeshBuilder chassis(meshes[0], {});
            chassis.box({-1.0f, 0.55f, -1.9f}, {1.0f, 0.95f, 1.9f}, metal, metal, dark);
            chassis.box({-0.75f, 0.95f, 1.3f}, {0.75f, 1.25f, 1.95f}, grille, metal, metal);
            for (float x : {-1.15f, 1.15f}) {
                for (float z : {-1.2f, 1.2f}) {
                    MeshBuilder wheel(meshes[0],
                                      Transform::translation({x, 0.55f, z}) * Transform::rotationZ(90));
                    wheel.frustum(-0.22f, 0.55f, 0.22f, 0.55f, 10, tyre, hub);
                }
            }
            chassis.box({-0.9f, 1.2f, -0.4f}, {-0.8f, 2.1f, -0.3f}, dark); // roll bar
            chassis.box({0.8f, 1.2f, -0.4f}, {0.9f, 2.1f, -0.3f}, dark);
            chassis.box({-0.9f, 2.0f, -0.4f}, {0.9f, 2.1f, -0.3f}, dark);
            chassis.quad({-0.8f, 1.25f, 0.9f}, {0.8f, 1.25f, 0.9f}, {0.8f, 1.75f, 0.6f}, {-0.8f, 1.75f, 0.6f},
                         glass);
            chassis.box({-0.12f, 1.25f, -1.3f}, {0.12f, 1.6f, -1.0f}, dark); // gun mount
            chassis.box({-0.07f, 1.45f, -1.2f}, {0.07f, 1.58f, 0.6f}, dark);
            MeshBuilder body(meshes[1], {});
            body.box({-1.05f, 0.95f, 0.2f}, {1.05f, 1.25f, 1.3f}, paint);   // bonnet
            body.box({-1.05f, 0.95f, -1.95f}, {1.05f, 1.3f, -0.9f}, paint); // rear deck
            body.box({-1.05f, 0.95f, -0.9f}, {-0.85f, 1.3f, 0.2f}, paint);  // doors
            body.box({0.85f, 0.95f, -0.9f}, {1.05f, 1.3f, 0.2f}, paint);
        },
        [](Image& skin) {
            paintTile(skin, 0, 0, Surface::Plate, rgb(96, 100, 92), 101);
            paintTile(skin, 1, 0, Surface::Plate, rgb(238, 238, 238), 102);
            paintTile(skin, 2, 0, Surface::Tyre, rgb(44, 42, 40), 103);
            paintTile(skin, 3, 0, Surface::Plate, rgb(140, 140, 136), 104);
            paintTile(skin, 4, 0, Surface::Visor, rgb(90, 110, 130), 105);
            paintTile(skin, 5, 0, Surface::Plain, rgb(40, 40, 42), 106);
            paintTile(skin, 6, 0, Surface::Grille, rgb(80, 82, 80), 107);
        });
}

BakedModel buildBullet() {
    return prop(
        "bullet.ktqm", ModelsFolder, "bullet.png", {"tracer"},
        [](std::vector<ModelFileMesh>& meshes) {
            MeshBuilder(meshes[0], {}).ellipsoid({0, 0, 0}, {0.12f, 0.12f, 0.6f}, 4, 6, atlasTile(0, 0));
        },
        [](Image& skin) { paintTile(skin, 0, 0, Surface::Plain, rgb(255, 226, 120), 111); });
}

BakedModel buildSplashShell() {
    return prop(
        "bullet_splash.ktqm", ModelsFolder, "bullet_splash.png", {"shell"},
        [](std::vector<ModelFileMesh>& meshes) {
            const Tile casing = atlasTile(0, 0), nose = atlasTile(1, 0), band = atlasTile(2, 0);
            MeshBuilder shell(meshes[0], Transform::rotationX(90));
            shell.frustum(-0.6f, 0.28f, 0.3f, 0.28f, 8, casing, band);
            shell.frustum(0.3f, 0.28f, 0.75f, 0.0f, 8, nose, nose);
            shell.frustum(-0.7f, 0.3f, -0.5f, 0.3f, 8, band, band);
        },
        [](Image& skin) {
            paintTile(skin, 0, 0, Surface::Plate, rgb(120, 124, 96), 121);
            paintTile(skin, 1, 0, Surface::Plain, rgb(200, 90, 40), 122);
            paintTile(skin, 2, 0, Surface::Plain, rgb(190, 150, 70), 123);
        });
}
