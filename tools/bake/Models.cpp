#include "Models.h"

#include <stdexcept>

std::vector<BakedModel> buildModels() {
    std::vector<BakedModel> models;
    models.push_back(buildBarracks());
    models.push_back(buildScout());
    models.push_back(buildMarine());
    models.push_back(buildMetalPile());
    models.push_back(buildOilPile());
    models.push_back(buildOilRefinery());
    models.push_back(buildWorker());
    models.push_back(buildBaseCentre());
    models.push_back(buildBullet());
    models.push_back(buildSplashShell());
    return models;
}

const BakedModel& modelNamed(const std::vector<BakedModel>& models, const std::string& fileName) {
    for (const BakedModel& model : models) {
        if (model.fileName == fileName) {
            return model;
        }
    }
    throw std::logic_error("no model " + fileName);
}
