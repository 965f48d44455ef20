#include "client/models/ObjectBatch.h"

#include "client/models/ModelDrawing.h"
#include "client/models/ModelGpu.h"

#include <GL/glew.h>

void ObjectBatch::add(ModelInstance& instance, double x, double y, double z) {
    addEntry({&instance, x, y, z, yawDegrees(instance.direction), 1.0, false, false, 0});
}

void ObjectBatch::addRising(ModelInstance& instance, double x, double y, double z, double rise) {
    addEntry({&instance, x, y, z, 0.0, rise, true, false, 0});
}

void ObjectBatch::addEntry(Entry entry) {
    if (!entry.instance->model || !entry.instance->gpu)
        return;
    entry.query = entries.size();
    if (entry.query == queries.size()) {
        GLuint query = 0;
        glGenQueries(1, &query);
        queries.push_back(query);
    }
    glPushMatrix();
    glTranslated(entry.x, entry.y, entry.z);
    glRotated(entry.yaw, 0.0, 1.0, 0.0);
    entry.tested = startVisibilityTest(*entry.instance->model, gpuOf(*entry.instance), queries[entry.query]);
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
