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

void ObjectBatch::place(const Entry& entry) {
    glTranslated(entry.x, entry.y, entry.z);
    glRotated(entry.yaw, 0.0, 1.0, 0.0);
}

void ObjectBatch::add(ModelInstance& instance, double x, double y, double z) {
    addEntry({&instance, x, y, z, yawDegrees(instance.direction), 1.0, false, false});
}

void ObjectBatch::addRising(ModelInstance& instance, double x, double y, double z, double rise) {
    addEntry({&instance, x, y, z, 0.0, rise, true, false});
}

void ObjectBatch::addEntry(Entry entry) {
    if (!entry.instance->model || !entry.instance->gpu)
        return;
    dropDrawnEntries();
    if (entries.empty())
        view = ViewFrustum::current();
    const Model& model = *entry.instance->model;
    entry.inView = view.mayShow(boxAtAnyTurn(model.boundingBox, entry.x, entry.y, entry.z));
    entries.push_back(entry);
}

// The last frame's entries give way to this frame's; a frame that added none draws none of them,
// as their objects may be gone.
void ObjectBatch::dropDrawnEntries() {
    if (drawn)
        entries.clear();
    drawn = false;
}

void ObjectBatch::drawAll() {
    dropDrawnEntries();
    for (const Entry& entry : entries) {
        if (!entry.inView && !entry.alwaysDrawn)
            continue;
        ModelInstance& instance = *entry.instance;
        glPushMatrix();
        place(entry);
        glScaled(1.0, entry.rise, 1.0);
        drawModel(*instance.model, gpuOf(instance), &instance.animationState, instance.colour);
        glPopMatrix();
    }
    drawn = true;
}

// Every test is started before any answer is read, so no test waits for the one before it.
void ObjectBatch::testVisibility() {
    while (queries.size() < entries.size()) {
        GLuint query = 0;
        glGenQueries(1, &query);
        queries.push_back(query);
    }
    std::vector<bool> tested(entries.size(), false);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (!entry.inView)
            continue;
        glPushMatrix();
        place(entry); // the box at full height, whatever its rise
        tested[i] = startVisibilityTest(*entry.instance->model, gpuOf(*entry.instance), queries[i]);
        glPopMatrix();
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].instance->visible = tested[i] && passedVisibilityTest(queries[i]);
}
