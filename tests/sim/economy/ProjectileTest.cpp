#include "sim/economy/ProjectileInstant.h"
#include "sim/economy/ProjectileSplash.h"
#include "sim/game/Game.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/MetalPile.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

namespace {

using ProjectileTest = SimulationTest;

TEST_F(ProjectileTest, ABulletHurtsWhenFiredAndFliesForOneAndAHalfSeconds) {
    auto target = add<Fighter>(TypeMarine, 2, 10.0, 0.0);
    auto bullet = std::make_unique<ProjectileInstant>(5, 0.0, 0.0, *target);
    EXPECT_EQ(target->getHp(), 55);
    world().addProjectile(std::move(bullet));
    runFor(1490, 10);
    EXPECT_EQ(world().projectileCount(), 1u);
    runFrame(10);
    EXPECT_EQ(world().projectileCount(), 0u);
    EXPECT_EQ(target->getHp(), 55);
}

TEST_F(ProjectileTest, AShellLandsAfterSixSecondsOnEveryFightableObjectStrictlyInsideItsRadius) {
    auto own = add<Worker>(TypeWorker, 1, 100.0, 130.0);
    auto enemy = add<Fighter>(TypeMarine, 2, 100.0, 100.0);
    auto edge = add<Fighter>(TypeMarine, 2, 150.0, 100.0);
    auto neutral = add<MetalPile>(TypeMetalPile, 0, 100.0, 90.0);
    world().addProjectile(std::make_unique<ProjectileSplash>(3, 100.0, 130.0, 100.0, 100.0, 50.0));
    runFor(5990, 10);
    EXPECT_EQ(enemy->getHp(), 60);
    runFrame(10);
    EXPECT_EQ(enemy->getHp(), 57);
    EXPECT_EQ(own->getHp(), 37) << "the shooter's own side is hit too";
    EXPECT_EQ(edge->getHp(), 60) << "exactly at the radius is outside";
    EXPECT_EQ(neutral->getState(), "Metal Amount: 47");
}

TEST_F(ProjectileTest, AShellInFlightAtShutdownLandsNowhere) {
    auto enemy = add<Fighter>(TypeMarine, 2, 0.0, 0.0);
    world().addProjectile(std::make_unique<ProjectileSplash>(3, 0.0, 0.0, 0.0, 0.0, 50.0));
    Game::end();
    EXPECT_EQ(enemy->getHp(), 60);
}

} // namespace
