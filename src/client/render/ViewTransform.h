#pragma once

// The model-view and projection matrices and the viewport in force, fetched once, for turning
// points between the world and the window as GLU does.
struct ViewTransform {
    double modelView[16];
    double projection[16];
    int viewport[4];

    static ViewTransform current();

    // The window point of a world point: x and y in pixels from the lower left, depth from 0 (near)
    // to 1 (far). False when the point cannot be projected.
    bool project(double x, double y, double z, double& windowX, double& windowY, double& depth) const;
    // The world point under a window point at a depth.
    bool unproject(double windowX, double windowY, double depth, double& x, double& y, double& z) const;
};
