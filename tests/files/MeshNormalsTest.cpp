#include "files/MeshNormals.h"
#include "support/ExpectNear.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

namespace {

// The rule as stated, comparing every corner with every face: the reference for the fast search.
std::vector<Vec3> quadraticCornerNormals(const MeshShape& shape) {
    const auto& p = shape.positions;
    std::vector<Vec3> normals;
    for (std::size_t c = 0; c < p.size(); ++c) {
        Vec3 sum;
        for (std::size_t face = 0; face < p.size() / 3; ++face) {
            const bool shares = face == c / 3 || sharesPosition(p[3 * face], p[c]) ||
                                sharesPosition(p[3 * face + 1], p[c]) ||
                                sharesPosition(p[3 * face + 2], p[c]);
            if (!shares)
                continue;
            const Vec3& n = shape.faceNormals[face];
            sum = {sum.x + n.x, sum.y + n.y, sum.z + n.z};
        }
        normals.push_back(normalise(sum));
    }
    return normals;
}

MeshShape shapeOf(std::vector<Vec3> positions, bool flat) {
    MeshShape shape;
    shape.positions = std::move(positions);
    computeNormals(shape, flat);
    return shape;
}

// Face 0 lies in the xy plane (normal +z); face 1 in the xz plane with corner 0 at `shared`.
MeshShape twoFaces(float sharedX) {
    return shapeOf({{1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {sharedX, 0, 0}, {2, 0, 0}, {2, 0, 1}}, false);
}

TEST(MeshNormalsTest, CornersShareNormalsOnlyWhenCloserThanTheTolerance) {
    const float s = std::sqrt(0.5f);
    const MeshShape apart = twoFaces(1.001f);
    expectNear(apart.faceNormals[0], {0, 0, 1}, 1e-6f);
    expectNear(apart.faceNormals[1], {0, -1, 0}, 1e-6f);
    expectNear(apart.cornerNormals[0], {0, 0, 1}, 1e-6f);
    expectNear(apart.cornerNormals[3], {0, -1, 0}, 1e-6f);

    const MeshShape close = twoFaces(1.0009f);
    expectNear(close.cornerNormals[0], {0, -s, s}, 1e-6f);
    expectNear(close.cornerNormals[3], {0, -s, s}, 1e-6f);
    expectNear(close.cornerNormals[1], {0, 0, 1}, 1e-6f);
    expectNear(close.cornerNormals[4], {0, -1, 0}, 1e-6f);
}

TEST(MeshNormalsTest, FastSearchMatchesTheQuadraticRuleBitForBit) {
    std::mt19937 random(1234);
    // Corners on a coarse lattice, nudged around the tolerance, with exact repeats, -0 and far values.
    std::uniform_int_distribution<int> lattice(-2, 2);
    std::uniform_real_distribution<float> nudge(-0.0015f, 0.0015f);
    std::uniform_int_distribution<int> kind(0, 9);
    for (int round = 0; round < 20; ++round) {
        std::vector<Vec3> positions;
        const auto coordinate = [&]() -> float {
            switch (kind(random)) {
            case 0:
                return -0.0f;
            case 1:
                return 1e20f;
            case 2:
                return static_cast<float>(lattice(random)) * 0.01f;
            default:
                return static_cast<float>(lattice(random)) * 0.01f + nudge(random);
            }
        };
        for (int corner = 0; corner < 3 * 150; ++corner)
            positions.push_back(random() % 4 == 0 && !positions.empty()
                                    ? positions[random() % positions.size()]
                                    : Vec3{coordinate(), coordinate(), coordinate()});
        const MeshShape shape = shapeOf(positions, false);
        const std::vector<Vec3> expected = quadraticCornerNormals(shape);
        ASSERT_EQ(shape.cornerNormals.size(), expected.size());
        for (std::size_t c = 0; c < expected.size(); ++c) {
            const Vec3& a = shape.cornerNormals[c];
            const Vec3& b = expected[c];
            ASSERT_TRUE(std::bit_cast<uint32_t>(a.x) == std::bit_cast<uint32_t>(b.x) &&
                        std::bit_cast<uint32_t>(a.y) == std::bit_cast<uint32_t>(b.y) &&
                        std::bit_cast<uint32_t>(a.z) == std::bit_cast<uint32_t>(b.z))
                << "round " << round << " corner " << c;
        }
    }
}

TEST(MeshNormalsTest, NonFiniteCornersShareWithNothing) {
    const float nan = std::nanf("");
    const MeshShape shape =
        shapeOf({{nan, 0, 0}, {0, 1, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 0, 1}}, false);
    EXPECT_TRUE(std::isnan(shape.cornerNormals[0].x));
    expectNear(shape.cornerNormals[4], shape.faceNormals[1], 1e-6f);
}

} // namespace
