#pragma once

#include "core/Vec3.h"

#include <gtest/gtest.h>

// Each coordinate within the tolerance of the expected one.
inline void expectNear(Vec3 actual, Vec3 expected, float tolerance = 1e-3f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
