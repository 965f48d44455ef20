#include "client/models/ObjectBatch.h"

#include "client/models/ModelDrawing.h"
#include "client/models/ModelGpu.h"

#include <GL/glew.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

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
    const ModelInstance& instance = *entry.instance;
    if (!instance.model || !instance.gpu)
        return;
    dropDrawnEntries();
    if (entries.empty())
        view = ViewFrustum::current();
    entry.inView = view.mayShow(boxAtAnyTurn(instance.model->boundingBox, entry.x, entry.y, entry.z));
    entry.model = instance.model;
    entry.gpu = instance.gpu;
    entry.colour = instance.colour;
    entries.push_back(entry);
}

// The last frame's entries give way to this frame's; a frame that added none draws none of them,
// as their objects may be gone.
void ObjectBatch::dropDrawnEntries() {
    if (drawn)
        lastFrames = std::exchange(entries, {});
    drawn = false;
}

void ObjectBatch::draw(const Entry& entry) {
    if (!entry.inView && !entry.alwaysDrawn)
        return;
    ModelInstance& instance = *entry.instance;
    glPushMatrix();
    place(entry);
    glScaled(1.0, entry.rise, 1.0);
    drawModel(*instance.model, gpuOf(instance), &instance.animationState, instance.colour);
    glPopMatrix();
}

void ObjectBatch::drawAll() {
    drawFrom(0);
}

void ObjectBatch::drawFront(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        draw(entries[i]);
}

void ObjectBatch::drawFrom(std::size_t first) {
    dropDrawnEntries();
    for (std::size_t i = first; i < entries.size(); ++i)
        draw(entries[i]);
    drawn = true;
}

std::size_t ObjectBatch::stillEntries() const {
    if (drawn)
        return 0; // no entry added this frame
    std::size_t count = 0;
    while (count < entries.size() && count < lastFrames.size() && entries[count] == lastFrames[count] &&
           entries[count].instance->animationState.empty())
        ++count;
    return count;
}

void ObjectBatch::describe(std::size_t count, std::vector<uint64_t>& words) const {
    for (std::size_t i = 0; i < count; ++i) {
        const Entry& entry = entries[i];
        const uint64_t entryWords[] = {reinterpret_cast<uintptr_t>(entry.instance),
                                       std::bit_cast<uint64_t>(entry.x),
                                       std::bit_cast<uint64_t>(entry.y),
                                       std::bit_cast<uint64_t>(entry.z),
                                       std::bit_cast<uint64_t>(entry.yaw),
                                       std::bit_cast<uint64_t>(entry.rise),
                                       uint64_t{entry.alwaysDrawn} << 1 | uint64_t{entry.inView},
                                       reinterpret_cast<uintptr_t>(entry.model),
                                       reinterpret_cast<uintptr_t>(entry.gpu),
                                       entry.colour};
        words.insert(words.end(), std::begin(entryWords), std::end(entryWords));
    }
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
