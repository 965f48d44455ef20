// The two figures: the marine and the worker, each with a four-keyframe "run" cycle. Limbs are
// posed by angles; every keyframe is the whole figure rebuilt in a pose, so the meshes keep the
// same faces in the same order. A figure is drawn about 5 units tall and then enlarged, so that
// at the start view it stands some 45 pixels tall and its team colour (the whole torso,
// the shoulders, the sleeves and the headgear) reads at a glance.
#include "Models.h"

#include "MeshBuilder.h"
#include "SkinTiles.h"

#include <functional>

namespace {

constexpr float FigureScale = 1.8f;

struct Pose {
    float bob = 0.0f;                        // lift of the whole figure
    float lean = 0.0f;                       // forward lean of the upper body, degrees
    float leftLeg = 0.0f, rightLeg = 0.0f;   // hip swing, negative forward
    float leftKnee = 0.0f, rightKnee = 0.0f; // knee bend, positive folds the shin back
    float leftArm = 0.0f, rightArm = 0.0f;   // shoulder swing, negative forward
    float leftElbow = 0.0f, rightElbow = 0.0f;
};

// Rest pose and the run cycle: contact, passing, the other contact, passing.
Pose mirrored(Pose p) {
    std::swap(p.leftLeg, p.rightLeg);
    std::swap(p.leftKnee, p.rightKnee);
    std::swap(p.leftArm, p.rightArm);
    return p;
}

// What a figure is dressed in: tiles of its skin for each part.
struct Outfit {
    Tile trousers, boots, shirt, skin, face, hair, vest, vestTop, helmet, gear, tool, toolHead;
    bool hardHat = false;
};

enum FigureMesh { Body, LeftLeg, RightLeg, LeftArm, RightArm, Separator, FigureMeshCount };

std::vector<ModelFileMesh> dressFigure(const Outfit& o, const Pose& pose) {
    std::vector<ModelFileMesh> meshes =
        namedMeshes({"body", "left_leg", "right_leg", "left_arm", "right_arm", ColourSeparatorName});

    const Transform root = Transform::scaling(FigureScale) * Transform::translation({0, pose.bob, 0});
    const Transform upper = root * Transform::translation({0, 2.3f, 0}) * Transform::rotationX(-pose.lean) *
                            Transform::translation({0, -2.3f, 0});

    // Belt, neck and head; the torso is the team's vest below.
    MeshBuilder body(meshes[Body], upper);
    body.box({-0.42f, 2.15f, -0.27f}, {0.42f, 2.45f, 0.27f}, o.trousers);
    body.box({-0.46f, 2.3f, -0.3f}, {0.46f, 2.45f, 0.31f}, o.gear);
    body.box({-0.14f, 3.75f, -0.14f}, {0.14f, 3.95f, 0.14f}, o.skin);
    MeshBuilder head(meshes[Body], upper * Transform::translation({0, 3.95f, 0.02f}));
    head.box({-0.27f, 0.0f, -0.28f}, {0.27f, 0.68f, 0.28f}, o.skin, o.hair, o.skin);
    head.quad({-0.27f, 0.0f, 0.281f}, {0.27f, 0.0f, 0.281f}, {0.27f, 0.68f, 0.281f}, {-0.27f, 0.68f, 0.281f},
              o.face);

    // The team's colour: a vest over the whole torso, shoulder pads and headgear (the sleeves
    // follow with the arms).
    MeshBuilder team(meshes[Separator], upper);
    team.box({-0.66f, 2.42f, -0.38f}, {0.66f, 3.75f, 0.38f}, o.vest, o.vestTop, o.vest);
    team.box({-0.98f, 3.4f, -0.36f}, {-0.56f, 3.86f, 0.36f}, o.vestTop);
    team.box({0.56f, 3.4f, -0.36f}, {0.98f, 3.86f, 0.36f}, o.vestTop);
    if (o.hardHat) {
        MeshBuilder hat(meshes[Separator], upper * Transform::translation({0, 4.5f, 0.02f}));
        hat.frustum(0.0f, 0.36f, 0.34f, 0.26f, 10, o.helmet, o.helmet);
        hat.frustum(-0.02f, 0.46f, 0.04f, 0.46f, 10, o.helmet, o.helmet);
    } else {
        team.ellipsoid({0, 4.52f, 0.0f}, {0.37f, 0.4f, 0.4f}, 4, 10, o.helmet);
    }

    // Legs: thigh and shin with a boot, hinged at hip and knee.
    auto leg = [&](ModelFileMesh& mesh, float side, float swing, float knee) {
        const Transform hip =
            root * Transform::translation({side * 0.24f, 2.3f, 0}) * Transform::rotationX(swing);
        MeshBuilder thigh(mesh, hip);
        thigh.box({-0.2f, -1.15f, -0.2f}, {0.2f, 0.0f, 0.2f}, o.trousers);
        MeshBuilder shin(mesh, hip * Transform::translation({0, -1.15f, 0}) * Transform::rotationX(knee));
        shin.box({-0.18f, -0.9f, -0.18f}, {0.18f, 0.0f, 0.18f}, o.trousers);
        shin.box({-0.21f, -1.15f, -0.24f}, {0.21f, -0.85f, 0.34f}, o.boots);
    };
    leg(meshes[LeftLeg], 1.0f, pose.leftLeg, pose.leftKnee);
    leg(meshes[RightLeg], -1.0f, pose.rightLeg, pose.rightKnee);

    // Arms: upper arm in a team-coloured sleeve and forearm with a hand; the right hand carries
    // the figure's tool.
    auto arm = [&](ModelFileMesh& mesh, float side, float swing, float elbow, bool carries) {
        const Transform shoulder = upper * Transform::translation({side * 0.76f, 3.62f, 0}) *
                                   Transform::rotationZ(side * 6.0f) * Transform::rotationX(swing);
        MeshBuilder sleeve(meshes[Separator], shoulder);
        sleeve.box({-0.2f, -0.82f, -0.21f}, {0.2f, 0.12f, 0.21f}, o.vest);
        const Transform forearm =
            shoulder * Transform::translation({0, -0.8f, 0}) * Transform::rotationX(elbow);
        MeshBuilder lower(mesh, forearm);
        lower.box({-0.14f, -0.72f, -0.15f}, {0.14f, 0.0f, 0.15f}, o.shirt);
        lower.box({-0.12f, -0.95f, -0.13f}, {0.12f, -0.72f, 0.13f}, o.skin);
        if (carries) {
            MeshBuilder tool(mesh, forearm * Transform::translation({0, -0.85f, 0}));
            if (o.hardHat) { // a pick: handle along the hand's grip, head at its end
                tool.box({-0.06f, -0.06f, -0.5f}, {0.06f, 0.06f, 1.2f}, o.tool);
                tool.box({-0.08f, -0.5f, 1.05f}, {0.08f, 0.5f, 1.3f}, o.toolHead);
            } else { // a rifle: stock behind the hand, barrel ahead
                tool.box({-0.09f, -0.8f, -0.12f}, {0.09f, 0.55f, 0.2f}, o.tool);
                tool.box({-0.05f, -1.55f, -0.05f}, {0.05f, -0.8f, 0.05f}, o.toolHead);
                tool.box({-0.07f, -0.45f, -0.45f}, {0.07f, -0.25f, -0.12f}, o.toolHead);
            }
        }
    };
    arm(meshes[LeftArm], 1.0f, pose.leftArm, pose.leftElbow, false);
    arm(meshes[RightArm], -1.0f, pose.rightArm, pose.rightElbow, true);
    return meshes;
}

BakedModel figure(const std::string& fileName, const char* textureFolder, const std::string& skinName,
                  const Outfit& outfit, const Pose& rest, const Pose& contact, const Pose& passing,
                  const std::function<void(Image&)>& paintSkin) {
    Image skin(AtlasSize, AtlasSize);
    paintSkin(skin);
    BakedModel model =
        skinnedModel(fileName, textureFolder, skinName, dressFigure(outfit, rest), std::move(skin));

    ModelFileAnimation run{"run", {}};
    for (const Pose& pose : {contact, passing, mirrored(contact), mirrored(passing)}) {
        ModelFileFrame frame{150, {}};
        for (ModelFileMesh& mesh : dressFigure(outfit, pose)) {
            frame.meshes.push_back({0, std::move(mesh.positions)});
        }
        run.frames.push_back(std::move(frame));
    }
    model.contents.animations.push_back(std::move(run));
    return model;
}

} // namespace

BakedModel buildMarine() {
    const Outfit outfit{atlasTile(0, 0),
                        atlasTile(1, 0),
                        atlasTile(2, 0),
                        atlasTile(3, 0),
                        atlasTile(4, 0),
                        atlasTile(5, 0),
                        atlasTile(0, 1),
                        atlasTile(1, 1),
                        atlasTile(2, 1),
                        atlasTile(3, 1),
                        atlasTile(4, 1),
                        atlasTile(5, 1),
                        false};
    Pose rest;
    rest.rightElbow = -80.0f;
    rest.leftArm = -25.0f;
    rest.leftElbow = -70.0f;
    Pose contact = rest;
    contact.lean = 10.0f;
    contact.leftLeg = -32.0f;
    contact.leftKnee = 12.0f;
    contact.rightLeg = 28.0f;
    contact.rightKnee = 40.0f;
    contact.leftArm = -10.0f;
    contact.rightArm = -12.0f;
    Pose passing = rest;
    passing.bob = 0.15f;
    passing.lean = 10.0f;
    passing.leftLeg = 5.0f;
    passing.leftKnee = 8.0f;
    passing.rightLeg = -18.0f;
    passing.rightKnee = 75.0f;
    passing.leftArm = -25.0f;
    passing.rightArm = -4.0f;
    return figure("marine.ktqm", SharedTextureFolder, "marine.png", outfit, rest, contact, passing,
                  [](Image& skin) {
                      const Rgb olive = rgb(92, 100, 70);
                      paintTile(skin, 0, 0, Surface::Cloth, olive, 11);
                      paintTile(skin, 1, 0, Surface::Plain, rgb(48, 42, 36), 12);
                      paintTile(skin, 2, 0, Surface::Cloth, rgb(104, 110, 80), 13);
                      paintTile(skin, 3, 0, Surface::Plain, rgb(214, 170, 138), 14);
                      paintTile(skin, 4, 0, Surface::Face, rgb(214, 170, 138), 15);
                      paintTile(skin, 5, 0, Surface::Plain, rgb(70, 52, 38), 16);
                      paintTile(skin, 0, 1, Surface::Plate, rgb(225, 228, 232), 17);
                      paintTile(skin, 1, 1, Surface::Plate, rgb(240, 242, 245), 18);
                      paintTile(skin, 2, 1, Surface::Plate, rgb(232, 235, 240), 19);
                      paintTile(skin, 3, 1, Surface::Plain, rgb(66, 60, 48), 20);
                      paintTile(skin, 4, 1, Surface::Plain, rgb(58, 60, 64), 21);
                      paintTile(skin, 5, 1, Surface::Plain, rgb(36, 38, 42), 22);
                  });
}

BakedModel buildWorker() {
    const Outfit outfit{atlasTile(0, 0),
                        atlasTile(1, 0),
                        atlasTile(2, 0),
                        atlasTile(3, 0),
                        atlasTile(4, 0),
                        atlasTile(5, 0),
                        atlasTile(0, 1),
                        atlasTile(1, 1),
                        atlasTile(2, 1),
                        atlasTile(3, 1),
                        atlasTile(4, 1),
                        atlasTile(5, 1),
                        true};
    Pose rest;
    rest.rightElbow = -60.0f;
    rest.leftArm = -5.0f;
    rest.leftElbow = -20.0f;
    Pose contact = rest;
    contact.lean = 6.0f;
    contact.leftLeg = -30.0f;
    contact.leftKnee = 10.0f;
    contact.rightLeg = 26.0f;
    contact.rightKnee = 38.0f;
    contact.leftArm = 30.0f;
    contact.rightArm = -20.0f;
    Pose passing = rest;
    passing.bob = 0.12f;
    passing.lean = 6.0f;
    passing.leftLeg = 4.0f;
    passing.leftKnee = 8.0f;
    passing.rightLeg = -16.0f;
    passing.rightKnee = 70.0f;
    passing.rightArm = -5.0f;
    return figure("villager.ktqm", ModelsFolder, "villager.png", outfit, rest, contact, passing,
                  [](Image& skin) {
                      paintTile(skin, 0, 0, Surface::Cloth, rgb(70, 88, 120), 31);
                      paintTile(skin, 1, 0, Surface::Plain, rgb(96, 68, 44), 32);
                      paintTile(skin, 2, 0, Surface::Cloth, rgb(176, 150, 112), 33);
                      paintTile(skin, 3, 0, Surface::Plain, rgb(200, 150, 112), 34);
                      paintTile(skin, 4, 0, Surface::Face, rgb(200, 150, 112), 35);
                      paintTile(skin, 5, 0, Surface::Plain, rgb(120, 80, 44), 36);
                      paintTile(skin, 0, 1, Surface::Cloth, rgb(236, 236, 230), 37);
                      paintTile(skin, 1, 1, Surface::Stripes, rgb(245, 245, 240), 38);
                      paintTile(skin, 2, 1, Surface::Plain, rgb(245, 245, 245), 39);
                      paintTile(skin, 3, 1, Surface::Plain, rgb(110, 80, 50), 40);
                      paintTile(skin, 4, 1, Surface::Planks, rgb(140, 100, 60), 41);
                      paintTile(skin, 5, 1, Surface::Plate, rgb(150, 152, 158), 42);
                  });
}
