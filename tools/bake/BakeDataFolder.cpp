#include "BakeDataFolder.h"

#include "ContactSheet.h"
#include "Fonts.h"
#include "ImageFile.h"
#include "InterfaceArt.h"
#include "MapGenerator.h"
#include "MapPreview.h"
#include "Models.h"
#include "SkyFaces.h"
#include "Sounds.h"
#include "TerrainTextures.h"
#include "core/FilePath.h"
#include "formats/MapWriter.h"
#include "formats/ModelWriter.h"

#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

void writeBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("could not write " + path.string());
    }
}

void savePictures(const std::vector<NamedPicture>& pictures, const fs::path& folder) {
    for (const NamedPicture& p : pictures) {
        saveImage(p.picture, folder / p.fileName, p.transparency);
    }
}

// Where a game folder path such as "data\textures\models\" lies inside the data folder.
fs::path inDataFolder(const fs::path& dataFolder, const std::string& gamePath) {
    const std::string path = normalisePath(gamePath);
    const std::string prefix = "data/";
    if (path.rfind(prefix, 0) != 0) {
        throw std::logic_error(gamePath + " is not in the data folder");
    }
    return dataFolder / path.substr(prefix.size());
}

// Each map with its picture for the menu beside it (the same name, .bmp), the ground textures they
// share, and motac's contact sheet beside the data folder.
void bakeMaps(const fs::path& data) {
    const std::vector<NamedPicture> grounds = terrainTextures();
    savePictures(grounds, inDataFolder(data, "data\\textures\\worlds\\"));
    std::vector<Rgb> means;
    for (const NamedPicture& ground : grounds) {
        means.push_back(meanColour(ground.picture));
    }
    const std::vector<GeneratedMap> maps = generateMaps();
    for (const GeneratedMap& map : maps) {
        const fs::path file = inDataFolder(data, "data\\maps\\" + map.fileName);
        writeBytes(file, writeWorldFile(map.world));
        saveImage(mapPicture(map.world, means, MapPictureSide), fs::path(file).replace_extension(".bmp"));
    }
    saveImage(mapPreview(maps.front().world, means), data.parent_path() / "map-preview.png");
}

std::vector<BakedModel> bakeModels(const fs::path& data) {
    std::vector<BakedModel> models = buildModels();
    for (const BakedModel& model : models) {
        writeBytes(inDataFolder(data, ModelsFolder + model.fileName), writeModelFile(model.contents));
        savePictures(model.skins, inDataFolder(data, model.textureFolder));
    }
    saveImage(modelContactSheet(models), data.parent_path() / "models-preview.png");
    return models;
}

// The desktop's icons, in the hicolor theme's layout under `folder`.
void bakeIcons(const std::vector<BakedModel>& models, const fs::path& folder) {
    const Rgb playerOneBlue{0.0f, 0.0f, 1.0f};
    for (const int size : {48, 128, 256}) {
        const std::string sizeFolder = std::to_string(size) + "x" + std::to_string(size);
        saveImage(modelIcon(modelNamed(models, "marine.ktqm"), size, playerOneBlue),
                  folder / sizeFolder / "apps" / "orvalen.png", Transparency::Alpha);
    }
}

} // namespace

void bakeDataFolder(const fs::path& dataFolder) {
    const fs::path data = fs::absolute(dataFolder).lexically_normal();
    bakeMaps(data);
    const std::vector<BakedModel> models = bakeModels(data);
    bakeIcons(models, data.parent_path() / "icons");
    savePictures(skyFaces(512), inDataFolder(data, "data\\textures\\skyboxes\\jajlands1\\"));
    savePictures(interfaceArt(models), inDataFolder(data, "data\\textures\\"));
    savePictures(menuArt(), inDataFolder(data, "data\\textures\\menu\\"));
    copyFonts(inDataFolder(data, "data\\fonts\\"));
    writeBytes(inDataFolder(data, "data\\sounds\\menu\\gui_click.wav"), clickSound());
    writeBytes(inDataFolder(data, "data\\sounds\\menu\\swish.wav"), swishSound());
    speakUnitResponses(inDataFolder(data, "data\\sounds\\unit_responses\\"));
}
