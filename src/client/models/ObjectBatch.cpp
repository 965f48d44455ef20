#include "client/models/ObjectBatch.h"

#include "client/models/ModelDrawing.h"
#include "client/models/ModelGpu.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

namespace {

// A box around the instance's bounding box at world point (x, y, z) whatever its turn: the turn is
// about the vertical axis, so the box's reach from that axis bounds it across.
WorldBox boxAtAnyTurn(const BoundingBox& box, double x, double y, double z) {
    const double reachX = std::max(std::abs(box.minX), std::abs(box.maxX));
    const double reachZ = std::max(std::abs(box.minZ), std::abs(box.maxZ));
    const double reach = std::sqrt(reachX * reachX + reachZ * reachZ);
    return {x - reach, y + box.minY, z - reach, x + reach, y + box.maxY, z + reach};
}

} // namespace

void ObjectBatch::add(ModelInstance& instance, double x, double y, double z) {
    addEntry({&instance, x, y, z, yawDegrees(instance.direction), 1.0, false, false, 0});
}

void ObjectBatch::addRising(ModelInstance& instance, double x, double y, double z, double rise) {
    addEntry({&instance, x, y, z, 0.0, rise, true, false, 0});
}

void ObjectBatch::addEntry(Entry entry) {
    if (!entry.instance->model || !entry.instance->gpu)
        return;
    if (entries.empty())
        view = ViewFrustum::current();
    entry.query = entries.size();
    if (entry.query == queries.size()) {
        GLuint query = 0;
        glGenQueries(1, &query);
        queries.push_back(query);
    }
    glPushMatrix();
    glTranslated(entry.x, entry.y, entry.z);
    glRotated(entry.yaw, 0.0, 1.0, 0.0);
    const Model& model = *entry.instance->model;
    entry.tested = view.mayShow(boxAtAnyTurn(model.boundingBox, entry.x, entry.y, entry.z)) &&
                   startVisibilityTest(model, gpuOf(*entry.instance), queries[entry.query]);
    glPopMatrix();
    entries.push_back(entry);
}

void ObjectBatch::drawAll() {
    for (const Entry& entry : entries) {
        ModelInstance& instance = *entry.instance;
        instance.visible = entry.tested && passedVisibilityTest(queries[entry.query]);
        if (!instance.visible && !entry.alwaysDrawn)
            continue;
        glPushMatrix();
        glTranslated(entry.x, entry.y, entry.z);
        glRotated(entry.yaw, 0.0, 1.0, 0.0);
        glScaled(1.0, entry.rise, 1.0);
        drawModel(*instance.model, gpuOf(instance), &instance.animationState, instance.colour);
        glPopMatrix();
    }
    entries.clear();
}
