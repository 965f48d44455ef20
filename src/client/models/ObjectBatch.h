#pragma once

#include "client/render/ViewFrustum.h"
#include "files/ModelInstance.h"

#include <cstdint>
#include <vector>

// The scene's objects, tested first and drawn after. Each instance's bounding box is first held
// against the view (a box wholly outside it takes no test and is not visible), then takes its
// occlusion test as it is added, against the depth the terrain left, and nothing waits for the
// answer; `drawAll` then reads the answers in order and draws. So the terrain hides objects from
// picking, other objects hide them only in the picture (a drag still takes a Worker standing behind
// another), and no test stalls the next.
class ObjectBatch {
public:
    // An instance at world point (x, y, z), turned to its direction, drawn if it passes its test.
    void add(ModelInstance& instance, double x, double y, double z);
    // A building rising from the ground at world point (x, y, z), scaled to `rise` in height: always
    // drawn; its full-height box takes the test, which makes it pickable.
    void addRising(ModelInstance& instance, double x, double y, double z, double rise);
    // Sets each instance's visibility from its test and draws, in the order added; empties the batch.
    void drawAll();

private:
    struct Entry {
        ModelInstance* instance;
        double x, y, z;
        double yaw;
        double rise; // 1 for a whole object
        bool alwaysDrawn;
        bool tested; // false for a model without geometry
        std::size_t query;
    };

    void addEntry(Entry entry);

    ViewFrustum view; // taken as the frame's first entry is added
    std::vector<Entry> entries;
    std::vector<uint32_t> queries; // grows to the most objects a frame has drawn
};
