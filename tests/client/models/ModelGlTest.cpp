#include "client/models/ModelLoader.h"
#include "formats/ModelWriter.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <fstream>

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

class ModelLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(openGlWindow());
        recordedMessageBoxes.clear();
    }

    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string path = prefix_ + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }

    void writeSkin() {
        FIBITMAP* image = FreeImage_Allocate(2, 2, 24);
        ASSERT_TRUE(FreeImage_Save(FIF_PNG, image, (prefix_ + "skin.png").c_str(), 0));
        FreeImage_Unload(image);
    }

    const ScratchFolder folder_;
    const std::string prefix_ = folder_.path().string() + "/";
};

TEST_F(ModelLoaderTest, LoadsTexturesAfterThePrefixAndGoesOnWithoutAMissingOne) {
    writeSkin();
    const std::string path = write("hull.ktqm", writeModelFile(texturedTriangle()));
    Model model;
    const ModelGpu gpu = loadModel(model, path, prefix_);
    ASSERT_EQ(model.meshes.size(), 1u);
    ASSERT_EQ(gpu.textures.size(), 2u);
    EXPECT_NE(gpu.textures[0].id, 0u);
    EXPECT_EQ(gpu.textures[0].path, prefix_ + "skin.png");
    EXPECT_EQ(gpu.textures[1].id, 0u) << "a missing texture keeps id 0 and the model loads on";
    ASSERT_EQ(recordedMessageBoxes.size(), 1u);
    EXPECT_EQ(recordedMessageBoxes[0].text, "Couldn't load texture " + prefix_ + "absent.png!");
}

// Any file the reader refuses (the registry's test has a missing one): what was loaded goes.
TEST_F(ModelLoaderTest, RefusedFileGivesOneMessageAndAnEmptyModel) {
    writeSkin();
    Model model;
    loadModel(model, write("good.ktqm", writeModelFile(texturedTriangle())), prefix_);
    recordedMessageBoxes.clear();

    std::vector<uint8_t> cut = writeModelFile(texturedTriangle());
    cut.resize(cut.size() / 2);
    const std::string path = write("cut.ktqm", cut);
    const ModelGpu gpu = loadModel(model, path, prefix_);
    ASSERT_EQ(recordedMessageBoxes.size(), 1u);
    EXPECT_EQ(recordedMessageBoxes[0].text, "Model " + path + " wasn't found or is corrupted!");
    EXPECT_EQ(recordedMessageBoxes[0].caption, "Model Unavailable");
    EXPECT_TRUE(model.meshes.empty());
    EXPECT_TRUE(gpu.textures.empty());
    EXPECT_TRUE(model.materials.empty());
    EXPECT_EQ(model.colourSeparator, -1);
    EXPECT_EQ(model.boundingBox, BoundingBox{});
}

} // namespace
