#include "sim/game/Game.h"
#include "sim/game/StateHash.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/TownCenter.h"
#include "sim/objects/Worker.h"
#include "support/SimulationTest.h"

#include <regex>

namespace {

GameSettings smallGame(std::time_t seed) {
    GameSettings settings;
    settings.seed = seed;
    settings.enemyMarines = 3;
    return settings;
}

class GameTest : public SimulationTest {
protected:
    std::string playScriptedGame(std::time_t seed, uint64_t& hash);
};

// A short game on an empty map: a Worker is selected and sent off, the enemy's Marines wander.
// Returns the log with object addresses masked.
std::string GameTest::playScriptedGame(std::time_t seed, uint64_t& hash) {
    Game& game = Game::start(smallGame(seed), nullptr);
    for (int pass = 1; pass <= 300; ++pass) {
        game.runPass(16);
        if (pass == 10)
            game.apply(Command::select(1, {8})); // the set-up's first Worker
        if (pass == 11)
            game.apply(Command::move(1, 20.0, 30.0));
    }
    hash = hashGameState();
    std::string log = std::regex_replace(logText(), std::regex("0x[0-9a-f]+"), "ADDRESS");
    Game::end();
    return log;
}

TEST_F(GameTest, AGameStartedAgainPlaysAsTheFirstDidAndAnotherSeedPlaysOtherwise) {
    uint64_t first = 0, second = 0, other = 0;
    const std::string firstLog = playScriptedGame(5, first);
    const std::string secondLog = playScriptedGame(5, second);
    EXPECT_EQ(firstLog, secondLog);
    EXPECT_NE(firstLog.find("LOOP (4800) 16\n"), std::string::npos) << "the clock started again at 0";
    EXPECT_EQ(first, second);
    playScriptedGame(6, other);
    EXPECT_NE(first, other) << "the enemy's Marines stand elsewhere";
}

TEST_F(GameTest, EndingAGameLeavesNothingOfItForTheNext) {
    Game& game = Game::start(smallGame(1), nullptr);
    game.runPass(40);
    auto marine = std::dynamic_pointer_cast<Fighter>(*std::next(world().getObjects().begin()));
    ASSERT_TRUE(marine);
    Game::end();

    Game& next = Game::current();
    EXPECT_EQ(next.clock().now(), 0);
    EXPECT_EQ(next.passes(), 0);
    EXPECT_TRUE(next.objects().getObjects().empty());
    EXPECT_EQ(next.players().getPlayer(2).getPopulation(), 0);
    EXPECT_EQ(marine->getHp(), 60) << "what a caller still holds outlives the game, untouched";
}

TEST_F(GameTest, TheClockIsThePassesLengthsSummedAndEachPassLogsItsLine) {
    Game& game = Game::current();
    for (const int32_t length : {16, 0, 1000, 5})
        game.runPass(length);
    EXPECT_EQ(game.clock().now(), 1021);
    EXPECT_EQ(game.clock().passLength(), 5);
    EXPECT_EQ(game.passes(), 4);
    for (const char* line : {"LOOP (16) 16\n", "LOOP (16) 0\n", "LOOP (1016) 1000\n", "LOOP (1021) 5\n"})
        EXPECT_EQ(logCount(line), 1) << line;
}

// Indices count the object manager's list as it stands when the command is applied.
TEST_F(GameTest, CommandsNameObjectsByTheirPlaceInTheListAndIgnoreWhatIsNotThere) {
    auto centre = add<TownCenter>(TypeBaseCenter, 1, 10.0, 10.0);
    auto worker = add<Worker>(TypeWorker, 1, 20.0, 20.0);
    auto enemy = add<Fighter>(TypeMarine, 2, 30.0, 20.0);
    Game& game = Game::current();
    game.runPass(16);

    game.apply(Command::select(1, {1, 7, 0}));
    ASSERT_EQ(player(1).getSelection().size(), 2u) << "a place past the list's end is left out";
    EXPECT_EQ(player(1).getSelection().getEntries()[0], worker);
    game.apply(Command::select(1, {1}));
    game.apply(Command::act(1, 2));
    const Fightable& fighter = *worker;
    EXPECT_EQ(fighter.getTarget(), enemy);
    game.apply(Command::act(1, 9));
    EXPECT_EQ(fighter.getTarget(), enemy) << "an act on nothing changes nothing";
    game.apply(Command::move(1, 25.0, 25.0));
    EXPECT_EQ(fighter.getTarget(), nullptr);

    game.apply(Command::select(1, {0}));
    game.apply(Command::train(1, 5));
    EXPECT_EQ(centre->getQueue().size(), 1u);
    game.apply(Command::spawn(2, TypeMarine, 3.0, 4.0));
    EXPECT_EQ(world().getObjects().size(), 4u);
    EXPECT_EQ(world().getObjects().back()->getOwner(), 2);

    game.apply(Command::move(7, 1.0, 1.0)); // no such side
    game.apply(Command::select(1, {}));
    EXPECT_TRUE(player(1).getSelection().empty()) << "selecting nothing clears the selection";
}

TEST_F(GameTest, TheStateHashSeesPlacesHitPointsAndStocksButNotAddresses) {
    auto marine = add<Fighter>(TypeMarine, 1, 10.0, 10.0);
    const uint64_t before = hashGameState();
    EXPECT_EQ(hashGameState(), before);
    marine->setPosition(10.0, 10.5);
    const uint64_t moved = hashGameState();
    EXPECT_NE(moved, before);
    marine->takeDamage(1);
    const uint64_t hurt = hashGameState();
    EXPECT_NE(hurt, moved);
    player(1).getResources().pay(ResourceSack(UnlimitedCapacity, 1, 0));
    EXPECT_NE(hashGameState(), hurt);
}

} // namespace
