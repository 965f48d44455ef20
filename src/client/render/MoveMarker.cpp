#include "client/render/MoveMarker.h"

#include "client/render/SelectionCircles.h"

MoveMarker moveMarker;

namespace {

constexpr double StartRadius = 1.5;
constexpr double EndRadius = 0.5;
constexpr double Lift = 0.35; // above the selection circles

} // namespace

void MoveMarker::place(double atX, double atZ, int32_t now) {
    x = atX;
    z = atZ;
    placedAt = now;
}

std::optional<double> MoveMarker::radius(int32_t now) const {
    if (!placedAt || now < *placedAt || now - *placedAt >= ShowMilliseconds)
        return std::nullopt;
    const double left = 1.0 - static_cast<double>(now - *placedAt) / ShowMilliseconds;
    return EndRadius + (StartRadius - EndRadius) * left;
}

void MoveMarker::draw(int32_t now) const {
    const std::optional<double> r = radius(now);
    if (!r)
        return;
    beginGroundCircles(60, 255, 60);
    groundCircle(x, z, *r, Lift);
    endGroundCircles();
}
