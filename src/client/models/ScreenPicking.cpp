#include "client/models/ScreenPicking.h"

#include "client/models/ModelDrawing.h"
#include "client/render/ViewTransform.h"
#include "core/Input.h"
#include "sim/game/GameMap.h"
#include "sim/objects/IWorldObject.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The read area, kept inside the client area: pixels outside it hold no picture.
struct ReadArea {
    int x = 0;
    int y = 0;
    int width = 1;
    int height = 1;
};

ReadArea readArea(int x1, int y1, int x2, int y2) {
    const int xmin = std::clamp(std::min(x1, x2), 0, ClientWidth - 1);
    const int xmax = std::clamp(std::max(x1, x2), 0, ClientWidth - 1);
    const int ymin = std::clamp(std::min(y1, y2), 0, ClientHeight - 1);
    const int ymax = std::clamp(std::max(y1, y2), 0, ClientHeight - 1);
    return {xmin, ymin, std::max(xmax - xmin, 1), std::max(ymax - ymin, 1)};
}

void setPickingColour(uint32_t id) {
    glColor3ub(id & 0xFF, (id >> 8) & 0xFF, (id >> 16) & 0xFF);
}

// Marks every id whose colour shows in the area; white is the background.
std::vector<bool> readHits(const ReadArea& area, std::size_t ids) {
    std::vector<uint8_t> pixels(static_cast<std::size_t>(area.width) * area.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(area.x, area.y, area.width, area.height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::vector<bool> hit(ids, false);
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        const uint8_t red = pixels[i], green = pixels[i + 1], blue = pixels[i + 2];
        if (red == 255 && green == 255 && blue == 255)
            continue;
        const uint32_t id = blue * 65536u + green * 256u + red;
        if (id < ids)
            hit[id] = true;
    }
    return hit;
}

// Whether the centre of the object's picking box shows inside the rectangle, at the present
// matrices. A drag catches an object by it even where another object covers it: two Workers
// trained one after the other stand on one spot, and a drag over them takes both.
bool centreInside(const ViewTransform& view, const ModelInstance& instance, const GridPosition& position,
                  int x1, int y1, int x2, int y2) {
    const BoundingBox& box = instance.model->boundingBox;
    const WorldPoint ground = groundPoint(position.z, position.x);
    double x = 0.0, y = 0.0, depth = 0.0;
    if (!view.project(ground.x + (box.minX + box.maxX) / 2.0, ground.y + (box.minY + box.maxY) / 2.0,
                      ground.z + (box.minZ + box.maxZ) / 2.0, x, y, depth))
        return false;
    return depth >= 0.0 && depth <= 1.0 && x >= std::min(x1, x2) && x <= std::max(x1, x2) &&
           y >= std::min(y1, y2) && y <= std::max(y1, y2);
}

} // namespace

std::unique_ptr<ObjectList> selectInScreenRect(const ObjectSelecter& view, int x1, int y1, int x2, int y2) {
    auto picked = std::make_unique<ObjectList>();
    if (ClientWidth <= 0 || ClientHeight <= 0)
        return picked;
    const ReadArea area = readArea(x1, y1, x2, y2);
    glDisable(GL_DITHER);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);

    // Only objects seen at their last draw take part; the ids count the participants alone.
    std::vector<std::shared_ptr<IWorldObject>> participants;
    for (const auto& object : view.getObjects()) {
        const ModelInstance* instance = object->getModel();
        if (!instance || !instance->visible)
            continue;
        setPickingColour(static_cast<uint32_t>(participants.size()));
        participants.push_back(object);
        const GridPosition position = object->getPosition();
        drawPickingBox(*instance, position.x, position.z);
    }
    if (participants.empty())
        return picked;

    const std::vector<bool> hit = readHits(area, participants.size());
    const bool drag = x1 != x2 || y1 != y2;
    const ViewTransform transform = ViewTransform::current();
    for (std::size_t id = 0; id < participants.size(); ++id) {
        const auto& object = participants[id];
        if (hit[id] ||
            (drag && centreInside(transform, *object->getModel(), object->getPosition(), x1, y1, x2, y2)))
            picked->push_back(object);
    }
    glEnable(GL_DITHER);
    return picked;
}
