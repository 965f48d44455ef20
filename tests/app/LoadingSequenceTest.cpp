#include "app/LoadingSequence.h"
#include "client/render/Camera.h"
#include "client/render/Skybox.h"
#include "support/GlWindow.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadingSequenceTest, RunsToTheEndWithEveryAssetMissing) {
    ASSERT_TRUE(openGlWindow());
    camera.setEye({1.0f, 2.0f, 3.0f});
    recordedMessageBoxes.clear();
    {
        const ScratchFolder emptyFolder;
        runLoadingSequence();
    }

    std::vector<std::string> skyMessages;
    for (const RecordedBox& box : recordedMessageBoxes)
        if (box.text.find("skyboxes") != std::string::npos)
            skyMessages.push_back(box.text);
    std::vector<std::string> expected;
    for (const char* face : {"ft", "bk", "lf", "rt", "up", "dn"})
        expected.push_back(
            std::string("Couldn't load texture data\\textures\\skyboxes\\jajlands1\\jajlands1_") + face +
            ".jpg!");
    EXPECT_EQ(skyMessages, expected) << "each missing face once, in slot order";
    EXPECT_TRUE(skybox.loaded);

    EXPECT_EQ(camera.eye(), Camera{}.eye()) << "the start pose is written at the end";
    EXPECT_EQ(camera.center(), Camera{}.center());
}

} // namespace
