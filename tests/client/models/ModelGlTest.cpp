#include "client/models/ModelLoader.h"
#include "formats/ModelWriter.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

namespace {

ModelFileContents texturedTriangle() {
    ModelFileContents c;
    ModelFileMesh mesh;
    mesh.name = "hull";
    mesh.materialIndex = 0;
    mesh.positions = {{0, 0, 0}, {1, 0, 0}, {0, 2, 0}};
    mesh.texCoords = {{0, 0}, {1, 0}, {0, 1}};
    c.meshes = {mesh};
    c.textureNames = {"skin.png", "absent.png"};
    ModelFileMaterial material;
    material.textureIndex = 0;
    c.materials = {material};
    return c;
}

TEST(ModelLoaderTest, LoadsTexturesAfterThePrefixAndARefusedFileLeavesAnEmptyModel) {
    ASSERT_TRUE(openGlWindow());
    recordedMessageBoxes.clear();
    const ScratchFolder folder;
    const std::string prefix = folder.path().string() + "/";
    FIBITMAP* skin = FreeImage_Allocate(2, 2, 24);
    ASSERT_TRUE(FreeImage_Save(FIF_PNG, skin, (prefix + "skin.png").c_str(), 0));
    FreeImage_Unload(skin);

    const std::vector<uint8_t> bytes = writeModelFile(texturedTriangle());
    Model model;
    const ModelGpu gpu = loadModel(model, writeBytes(prefix + "hull.ktqm", bytes), prefix);
    ASSERT_EQ(gpu.textures.size(), 2u);
    EXPECT_NE(gpu.textures[0].id, 0u);
    EXPECT_EQ(gpu.textures[0].path, prefix + "skin.png");
    EXPECT_EQ(gpu.textures[1].id, 0u) << "a missing texture keeps id 0 and the model loads on";
    ASSERT_EQ(recordedMessageBoxes.size(), 1u);
    EXPECT_EQ(recordedMessageBoxes[0].text, "Couldn't load texture " + prefix + "absent.png!");

    // Any file the reader refuses (the registry's test has a missing one): what was loaded goes.
    const std::string cut = writeBytes(prefix + "cut.ktqm", bytes, bytes.size() / 2);
    const ModelGpu none = loadModel(model, cut, prefix);
    ASSERT_EQ(recordedMessageBoxes.size(), 2u);
    EXPECT_EQ(recordedMessageBoxes[1].text, "Model " + cut + " wasn't found or is corrupted!");
    EXPECT_EQ(recordedMessageBoxes[1].caption, "Model Unavailable");
    EXPECT_TRUE(model.meshes.empty());
    EXPECT_TRUE(none.textures.empty());
    EXPECT_TRUE(model.materials.empty());
    EXPECT_EQ(model.colourSeparator, -1);
    EXPECT_EQ(model.boundingBox, BoundingBox{});
}

} // namespace
