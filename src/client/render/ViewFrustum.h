#pragma once

#include <array>

// A box in world units, its sides along the axes.
struct WorldBox {
    double minX = 0.0, minY = 0.0, minZ = 0.0;
    double maxX = 0.0, maxY = 0.0, maxZ = 0.0;
};

// The six planes bounding what the present projection and model-view can show, for leaving out
// whatever lies wholly outside before the rasteriser spends time on it.
class ViewFrustum {
public:
    // The view of the matrices GL holds now; boxes are then given in the model-view's own units.
    static ViewFrustum current();

    // False only when the box lies wholly outside one plane (by more than a rounding margin), so
    // nothing in it can reach a pixel; a box that merely might show gives true.
    bool mayShow(const WorldBox& box) const;

private:
    std::array<std::array<double, 4>, 6> planes{}; // a, b, c, d with a unit normal pointing inward
};
