// docs/formats.md held to the game's loaders: its example files parse as it says, files built
// from its tables alone (not by the project's writers) load field by field, and the reasons the
// loaders give for the faults it lists are the reasons it quotes.
#include "files/Bytes.h"
#include "files/ModelFile.h"
#include "files/WorldFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

std::string formatsDocument() {
    std::ifstream in(ORVALEN_FORMATS_DOC);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The bytes of the document's example block after "<!-- example: NAME -->": hex pairs, with
// everything after a '#' on a line a comment.
std::vector<uint8_t> documentedExample(const std::string& name) {
    const std::string document = formatsDocument();
    const std::size_t marker = document.find("<!-- example: " + name + " -->");
    EXPECT_NE(marker, std::string::npos) << "no example " << name;
    const std::size_t start = document.find("```text\n", marker);
    const std::size_t end = document.find("```\n", start + 8);
    std::istringstream lines(document.substr(start + 8, end - start - 8));
    std::vector<uint8_t> bytes;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream pairs(line.substr(0, line.find('#')));
        for (std::string pair; pairs >> pair;)
            bytes.push_back(static_cast<uint8_t>(std::stoul(pair, nullptr, 16)));
    }
    return bytes;
}

// Whether the document quotes this reason, with any of its numbers (a minus sign included)
// written as a <placeholder>.
bool documented(const std::string& reason) {
    std::string pattern;
    for (std::size_t i = 0; i < reason.size();) {
        const bool negative = reason[i] == '-' && i + 1 < reason.size() &&
                              std::isdigit(static_cast<unsigned char>(reason[i + 1]));
        if (negative || std::isdigit(static_cast<unsigned char>(reason[i]))) {
            i += negative;
            while (i < reason.size() && std::isdigit(static_cast<unsigned char>(reason[i])))
                ++i;
            pattern += "(?:\\d+|<[^>]+>)";
        } else {
            if (std::string("\\^$.|?*+()[]{}").find(reason[i]) != std::string::npos)
                pattern += '\\';
            pattern += reason[i++];
        }
    }
    return std::regex_search(formatsDocument(), std::regex(pattern));
}

// The reason a loader gives for refusing a file.
template <typename Result> std::string reasonOf(const Result& result) {
    EXPECT_FALSE(result);
    return result.error;
}

TEST(DocumentedMapFormat, TheExampleMapReadsAsDescribed) {
    const auto result = parseWorldFile(documentedExample("map"));
    ASSERT_TRUE(result) << result.error;
    const WorldFile& map = *result.value;
    EXPECT_EQ(map.rows, 1);
    EXPECT_EQ(map.columns, 1);
    EXPECT_EQ(map.cornerHeights, (std::vector<float>{0.0f, 0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(map.cellTextures, std::vector<int32_t>{0});
    EXPECT_EQ(map.textureNames, std::vector<std::string>{"grass.bmp"});
    EXPECT_TRUE(map.entries.empty());
    EXPECT_TRUE(map.records.empty());
    EXPECT_EQ(map.metalPiles, (std::vector<MapPile>{{0, 0, 0}}));
    EXPECT_TRUE(map.oilPiles.empty());
    EXPECT_EQ(map.mapValue, 7);
    EXPECT_EQ(map.flagByte, 1);
    EXPECT_EQ(map.discardedLine, "");
    EXPECT_EQ(mapObjects(map).size(), 3u); // the pile and two base centres
}

// Every section of the table, each with values that tell its fields apart; cut anywhere before
// its ignored last byte, it is refused.
TEST(DocumentedMapFormat, AMapBuiltFromTheTableLoadsFieldByField) {
    Bytes file;
    file.i32(2).i32(3); // H = 2 rows, W = 3 columns
    for (int i = 0; i < 4 * 3; ++i)
        file.f32(0.25f * i);
    for (const int32_t texture : {0, 1, -1, 1, 0, 9})
        file.i32(texture);
    // A line of 253 characters reads as written; a longer one loses its 254th byte and the rest
    // starts the next line.
    file.i32(5).line("grass.bmp").line("rock.png\r").line(std::string(253, 'a'));
    file.text(std::string(253, 'b') + "c").line("d");
    file.i32(1).u32(1).u32(2).u32(3).u32(0xFFFFFFFF).line("an entry");
    file.i32(1);
    for (uint8_t b = 0; b < 16; ++b)
        file.byte(b);
    file.i32(2).i32(5).i32(7).i32(99).i32(6).i32(8).i32(0); // metal piles at (z 5, x 7), (z 6, x 8)
    file.i32(1).i32(30).i32(40).i32(-1);                    // an oil pile at (z 30, x 40)
    file.i32(-42).byte(1).line("thrown away");
    file.i32(10).i32(11).i32(20).i32(21); // base rows, then base columns
    file.byte(0xAB);                      // ignored

    const auto result = parseWorldFile(file.data);
    ASSERT_TRUE(result) << result.error;
    for (std::size_t length = 0; length + 1 < file.data.size(); ++length)
        EXPECT_FALSE(parseWorldFile(std::span(file.data).first(length)))
            << "prefix of " << length << " bytes";
    const WorldFile& map = *result.value;
    EXPECT_EQ(map.rows, 2);
    EXPECT_EQ(map.columns, 3);
    ASSERT_EQ(map.cornerHeights.size(), 12u);
    EXPECT_EQ(map.cornerHeights[11], 2.75f);
    EXPECT_EQ(map.cellTextures, (std::vector<int32_t>{0, 1, -1, 1, 0, 9}));
    EXPECT_EQ(map.textureNames, (std::vector<std::string>{"grass.bmp", "rock.png\r", std::string(253, 'a'),
                                                          std::string(253, 'b'), "d"}));
    EXPECT_EQ(map.entries, (std::vector<MapEntry>{{{1, 2, 3, 0xFFFFFFFF}, "an entry"}}));
    ASSERT_EQ(map.records.size(), 1u);
    EXPECT_EQ(map.records[0][15], 15);
    EXPECT_EQ(map.mapValue, -42);
    EXPECT_EQ(map.flagByte, 1);
    EXPECT_EQ(map.discardedLine, "thrown away");
    EXPECT_EQ(
        mapObjects(map),
        (std::vector<MapObject>{
            {4, 0, 7.0, 5.0}, {4, 0, 8.0, 6.0}, {5, 0, 40.0, 30.0}, {8, 1, 20.0, 10.0}, {8, 2, 21.0, 11.0}}));
}

TEST(DocumentedMapFormat, TheReasonsForTheListedFaultsAreTheDocumentedOnes) {
    const auto empty = [] { return Bytes().i32(0).i32(0).f32(0.0f); }; // 0 x 0: one corner height
    const std::vector<std::pair<std::vector<uint8_t>, std::string>> faults = {
        {Bytes().i32(1025).i32(1).data, "row count 1025 at byte 0 is out of range"},
        {Bytes().i32(1).i32(-1).data, "column count -1 at byte 4 is out of range"},
        {Bytes().i32(1).i32(1).f32(0.0f).data, "the file ends early at byte 12 (16 bytes wanted at byte 8)"},
        // More texture lines than bytes left.
        {empty().i32(3).line("a").data, "texture count 3 at byte 12 is out of range"},
        {empty().i32(1).byte('a').data, "the file ends inside a text line at byte 16"},
        {empty().i32(0).i32(1).line("x").data, "entry count 1 at byte 16 is out of range"},
        {empty().i32(0).i32(0).i32(1).data, "record count 1 at byte 20 is out of range"},
        {empty().i32(0).i32(0).i32(0).i32(1).data, "metal pile count 1 at byte 24 is out of range"},
        {empty().i32(0).i32(0).i32(0).i32(0).i32(2).i32(0).data,
         "oil pile count 2 at byte 28 is out of range"},
    };
    for (const auto& [bytes, reason] : faults) {
        EXPECT_EQ(reasonOf(parseWorldFile(bytes)), reason);
        EXPECT_TRUE(documented(reason)) << reason;
    }
    EXPECT_TRUE(documented(mapUnavailableMessage("data\\maps\\motac.ktqw")));
    EXPECT_TRUE(documented(std::string("**") + MapUnavailableCaption + "**"));
}

TEST(DocumentedModelFormat, TheExampleModelReadsAsDescribed) {
    const auto result = parseModelFile(documentedExample("model"), "");
    ASSERT_TRUE(result) << result.error;
    const Model& model = *result.value;
    ASSERT_EQ(model.meshes.size(), 1u);
    const ModelMesh& mesh = model.meshes[0];
    EXPECT_EQ(mesh.name, "color_separator");
    EXPECT_EQ(model.colourSeparator, 0);
    EXPECT_EQ(mesh.materialIndex, -1);
    EXPECT_NE(mesh.flat, 0);
    EXPECT_EQ(mesh.shape->positions, (std::vector<Vec3>{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}));
    EXPECT_EQ(mesh.texCoords, (std::vector<Vec2>{{0, 0}, {1, 0}, {0, 1}}));
    EXPECT_TRUE(model.textureNames.empty());
    EXPECT_TRUE(model.materials.empty());
    ASSERT_EQ(model.animations.size(), 1u);
    const ModelAnimation& run = model.animations[0];
    EXPECT_EQ(run.name, "run");
    ASSERT_EQ(run.frames.size(), 1u);
    EXPECT_EQ(run.frames[0].duration, 100u);
    EXPECT_EQ(run.frames[0].meshes[0].shape->positions, (std::vector<Vec3>{{0, 1, 0}, {1, 1, 0}, {0, 2, 0}}));
}

// Two meshes, the second of ten faces so its face bits take two bytes; three textures, one
// material, an animation whose second keyframe moves one face of the second mesh only, and an
// animation without keyframes. Cut anywhere, it is refused.
TEST(DocumentedModelFormat, AModelBuiltFromTheTablesLoadsFieldByField) {
    Bytes file;
    file.line("KTQMV1.30").i32(2).i32(3).i32(1).i32(2);
    file.line("hull").byte(0).byte(1).i32(1);
    file.point(0, 0, 0).point(1, 0, 0).point(0, 1, 0).f32(0).f32(0).f32(1).f32(0).f32(0).f32(1);
    file.line("color_separator").byte(1).byte(0).i32(10); // material 1 of one names nothing: none
    for (int face = 0; face < 10; ++face)
        file.point(face, 0, 0).point(face, 0, 1).point(face, 1, 0).f32(0).f32(0).f32(0).f32(1).f32(1).f32(0);
    file.line("skin.png\r");                        // the carriage return is part of the name
    file.line(std::string(254, 't'));               // the longest line that reads whole
    file.text(std::string(254, 'u')).line("paint"); // cut after 254: the rest is the material's name
    file.byte(0);
    for (int i = 0; i < 16; ++i)
        file.byte(static_cast<uint8_t>(i));
    file.byte(7);
    file.line("run").i32(2);
    file.u32(150).byte(0).byte(0).byte(0xFB); // keyframe 0: nothing moves; mesh 1 names material -5: none
    file.u32(250).byte(0b10).byte(0).byte(0); // keyframe 1: mesh 1 moves ...
    file.byte(0).byte(0b10);                  // ... face 9 only (bit 1 of the second byte)
    file.point(9, 5, 0).point(9, 5, 1).point(9, 6, 0);
    file.line("idle").i32(0);

    const auto result = parseModelFile(file.data, "data\\textures\\models\\");
    ASSERT_TRUE(result) << result.error;
    for (std::size_t length = 0; length < file.data.size(); ++length)
        EXPECT_FALSE(parseModelFile(std::span(file.data).first(length), ""))
            << "prefix of " << length << " bytes";
    const Model& model = *result.value;
    ASSERT_EQ(model.meshes.size(), 2u);
    EXPECT_EQ(model.meshes[0].materialIndex, 0);
    EXPECT_NE(model.meshes[0].flat, 0);
    EXPECT_EQ(model.meshes[1].materialIndex, -1);
    EXPECT_EQ(model.meshes[1].flat, 0);
    EXPECT_EQ(model.meshes[1].faceCount, 10);
    EXPECT_EQ(model.colourSeparator, 1);
    const std::string prefix = "data\\textures\\models\\";
    EXPECT_EQ(model.textureNames,
              (std::vector<std::string>{prefix + "skin.png\r", prefix + std::string(254, 't'),
                                        prefix + std::string(254, 'u')}));
    ASSERT_EQ(model.materials.size(), 1u);
    EXPECT_EQ(model.materials[0].textureIndex, 0);
    EXPECT_FLOAT_EQ(model.materials[0].colours[1][2], 6 / 255.0f);
    EXPECT_EQ(model.materials[0].value, 7);
    ASSERT_EQ(model.animations.size(), 2u);
    EXPECT_EQ(model.findAnimation("idle"), 1);
    EXPECT_TRUE(model.animations[1].frames.empty());
    const ModelAnimation& run = model.animations[0];
    ASSERT_EQ(run.frames.size(), 2u);
    EXPECT_EQ(run.frames[0].duration, 150u);
    EXPECT_EQ(run.frames[1].duration, 250u);
    EXPECT_EQ(run.frames[0].meshes[1].materialIndex, -1);
    EXPECT_EQ(run.animatedMeshes, std::vector<int32_t>{1});
    const ModelFrameMesh& moved = run.frames[1].meshes[1];
    for (int face = 0; face < 10; ++face)
        EXPECT_EQ(moved.faceChanged(face), face == 9) << face;
    EXPECT_EQ(moved.shape->positions[27], (Vec3{9, 5, 0}));
    EXPECT_EQ(moved.shape->positions[0], (Vec3{0, 0, 0}));
    EXPECT_EQ(moved.faceCount, 10);
}

TEST(DocumentedModelFormat, TheReasonsForTheListedFaultsAreTheDocumentedOnes) {
    const auto magic = [] { return Bytes().line("KTQMV1.30"); };
    const auto header = [&](int32_t meshes) { return magic().i32(meshes).i32(0).i32(0).i32(0); };
    const std::vector<std::pair<std::vector<uint8_t>, std::string>> faults = {
        {Bytes().line("KTQMV1.31").data, "the first line is not KTQMV1.30"},
        {header(4097).data, "mesh count 4097 at byte 10 is out of range"},
        {header(-1).data, "mesh count -1 at byte 10 is out of range"},
        {magic().i32(0).i32(5000).data, "texture count 5000 at byte 14 is out of range"},
        // Two faces, no bytes for them.
        {header(1).line("m").byte(0).byte(0).i32(2).data, "face count 2 at byte 30 is out of range"},
        {magic().i32(0).byte(0).byte(0).data, "the file ends early at byte 16 (4 bytes wanted at byte 14)"},
        {magic().i32(0).i32(1).i32(0).i32(0).byte('x').data, "the file ends inside a text line at byte 26"},
        {magic().i32(0).i32(0).i32(0).i32(1).line("run").i32(3).data,
         "frame count 3 at byte 30 is out of range"},
    };
    for (const auto& [bytes, reason] : faults) {
        EXPECT_EQ(reasonOf(parseModelFile(bytes, "")), reason);
        EXPECT_TRUE(documented(reason)) << reason;
    }
    EXPECT_TRUE(documented(modelUnavailableMessage("data/models/<file>.ktqm")));
    EXPECT_TRUE(documented(std::string("**") + ModelUnavailableCaption + "**"));
}

// The face limit counts each keyframe mesh with its bit set again, even when none of its faces
// moves: a small file can claim it.
TEST(DocumentedModelFormat, FacesAreCountedAgainForEveryChangedKeyframeMesh) {
    constexpr int32_t Faces = 1000;
    constexpr int32_t Keyframes = 2000; // (1 + 2000) x 1000 faces stored: over 2 000 000
    Bytes file;
    file.line("KTQMV1.30").i32(1).i32(0).i32(0).i32(1);
    file.line("m").byte(0xFF).byte(0).i32(Faces);
    for (int32_t face = 0; face < Faces; ++face)
        file.point(0, 0, 0).point(1, 0, 0).point(0, 1, 0).f32(0).f32(0).f32(0).f32(0).f32(0).f32(0);
    file.line("run").i32(Keyframes);
    for (int32_t k = 0; k < Keyframes; ++k) {
        file.u32(10).byte(1).byte(0xFF);
        for (int32_t b = 0; b < (Faces + 7) / 8; ++b)
            file.byte(0);
    }
    const std::string reason = reasonOf(parseModelFile(file.data, ""));
    EXPECT_EQ(reason, "the model holds more than 2000000 faces");
    EXPECT_TRUE(documented(reason)) << reason;
}

} // namespace
