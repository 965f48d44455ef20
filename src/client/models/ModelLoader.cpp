#include "client/models/ModelLoader.h"

#include "files/ModelFile.h"
#include "platform/Platform.h"

ModelGpu loadModel(Model& model, const std::string& path, const std::string& texturePrefix) {
    auto file = readModelFile(path, texturePrefix);
    if (!file) {
        model = Model{};
        platform::showMessageBox(modelUnavailableMessage(path), ModelUnavailableCaption,
                                 platform::MessageBoxIcon::Error);
        return {};
    }
    model = std::move(*file.value);
    return uploadModel(model);
}
