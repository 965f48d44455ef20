#pragma once

#include "client/render/ViewFrustum.h"
#include "sim/objects/ModelInstance.h"

#include <cstdint>
#include <vector>

// The scene's objects, drawn after the ground. Each instance's bounding box is held against the
// view: a box wholly outside it is neither drawn nor visible. Whether an object in view is visible
// for picking is an occlusion test of its box against the depth the ground left, which only a frame
// that picks needs: `testVisibility` runs it then. So the terrain hides objects from picking, other
// objects hide them only in the picture (a drag still takes a Worker standing behind another), and
// the other frames test nothing. Drawing an object the terrain hides wholly changes no pixel: its
// model lies inside its box, whose every pixel failed the depth test.
class ObjectBatch {
public:
    // An instance at world point (x, y, z), turned to its direction, drawn if it is in view.
    void add(ModelInstance& instance, double x, double y, double z);
    // A building rising from the ground at world point (x, y, z), scaled to `rise` in height: always
    // drawn; its full-height box takes the test, which makes it pickable.
    void addRising(ModelInstance& instance, double x, double y, double z, double rise);
    // Draws, in the order added. The batch keeps its entries for `testVisibility` until the next
    // frame's first `add`.
    void drawAll();
    // The same in two steps: the first `count` entries, then the rest.
    void drawFront(std::size_t count);
    void drawFrom(std::size_t first);

    // How many entries at the front of this frame's list draw just as last frame's did: the same
    // instances, models and colours at the same places and turns, none playing an animation.
    std::size_t stillEntries() const;
    // Appends to `words` what the first `count` entries draw, to tell one such front from another.
    void describe(std::size_t count, std::vector<uint64_t>& words) const;
    // Sets the visibility of each instance of the last frame's draws from its box's occlusion
    // test against the depth buffer as it is now: call it with the ground's depth alone there, as
    // the frame had it when its objects were added. The instances must still exist.
    void testVisibility();

private:
    struct Entry {
        ModelInstance* instance;
        double x, y, z;
        double yaw;
        double rise; // 1 for a whole object
        bool alwaysDrawn;
        bool inView;
        // What the instance drew with when added: last frame's instance may be gone since.
        const Model* model = nullptr;
        const ModelDrawingResources* gpu = nullptr;
        uint32_t colour = 0;

        bool operator==(const Entry&) const = default;
    };

    void addEntry(Entry entry);
    void dropDrawnEntries();
    void draw(const Entry& entry);
    // Moves and turns the model-view to the entry's place.
    static void place(const Entry& entry);

    ViewFrustum view; // taken as the frame's first entry is added
    std::vector<Entry> entries;
    std::vector<Entry> lastFrames; // last frame's entries, once this frame has added one
    bool drawn = false;            // entries are the last frame's, kept for testVisibility
    std::vector<uint32_t> queries; // grows to the most objects a frame has tested
};
