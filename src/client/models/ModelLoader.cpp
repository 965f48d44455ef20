#include "client/models/ModelLoader.h"

#include "files/ModelFile.h"
#include "platform/Platform.h"

#include <GL/glew.h>

namespace {

constexpr TextureFilter ModelTextureFilter = 1;

} // namespace

void loadModel(Model& model, const std::string& path, const std::string& texturePrefix) {
    auto file = readModelFile(path, texturePrefix);
    if (!file) {
        model = Model{};
        platform::showMessageBox(modelUnavailableMessage(path), ModelUnavailableCaption,
                                 platform::MessageBoxIcon::Error);
        return;
    }
    model = std::move(*file.value);
    model.textures.resize(model.textureNames.size());
    for (std::size_t i = 0; i < model.textures.size(); ++i)
        model.textures[i].load(model.textureNames[i], ModelTextureFilter);
    glGenQueries(1, &model.occlusionQuery);
}
