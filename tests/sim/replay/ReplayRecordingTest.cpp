#include "core/Clock.h"
#include "core/FilePath.h"
#include "sim/game/Game.h"
#include "sim/replay/ReplayFolder.h"
#include "sim/replay/ReplayRunner.h"
#include "sim/replay/ReplayWriter.h"
#include "support/SimulationTest.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class ReplayRecordingTest : public SimulationTest {
protected:
    void SetUp() override {
        SimulationTest::SetUp();
        setTickSource([this] { return tick; });
    }
    void TearDown() override {
        setTickSource(nullptr);
        SimulationTest::TearDown();
    }

    static std::string read(const std::string& path) {
        const auto bytes = readFileBytes(path);
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }

    // A game on an empty map, recorded to game.replay: 250 passes, a Worker sent off at pass 120.
    static void playRecordedGame(const GameSettings& settings) {
        Game& game = Game::start(settings, nullptr);
        game.record(std::make_unique<ReplayWriter>("game.replay", settings));
        for (int pass = 1; pass <= 250; ++pass) {
            game.runPass(16 + pass % 3);
            if (pass == 120) {
                game.apply(Command::select(1, {9})); // the set-up's first Worker
                game.apply(Command::move(1, 90.0, 90.0));
            }
        }
        Game::end();
    }

    // The recording played again in a fresh game.
    static ReplayRunner replayed(const Replay& replay) {
        Game::start(replay.settings, nullptr);
        ReplayRunner runner(replay);
        while (runner.step()) {
        }
        Game::end();
        return runner;
    }

    uint32_t tick = 0;
};

GameSettings settingsOfSeed(std::time_t seed) {
    GameSettings settings;
    settings.seed = seed;
    settings.enemyMarines = 4;
    return settings;
}

TEST_F(ReplayRecordingTest, ARecordedGamePlaysAgainToTheSameHashesAndAChangedOneDoesNot) {
    playRecordedGame(settingsOfSeed(11));
    const std::string text = read("game.replay");
    const auto replay = parseReplay(text);
    ASSERT_TRUE(replay) << replay.error;
    EXPECT_EQ(replay.value->settings, settingsOfSeed(11));
    EXPECT_EQ(replay.value->passLengths.size(), 250u);
    EXPECT_EQ(replay.value->passLengths[1], 18);
    EXPECT_EQ(replay.value->commands.size(), 2u);
    EXPECT_NE(text.find("\n120 1 select 9\n120 1 move 90 90\n"), std::string::npos);
    EXPECT_EQ(replay.value->hashes.size(), 3u) << "every 100 passes and at the end";
    EXPECT_EQ(replay.value->hashes.back().first, 250);
    EXPECT_TRUE(text.ends_with("\nend 250\n"));

    ReplayRunner again = replayed(*replay.value);
    EXPECT_FALSE(again.divergence());
    EXPECT_TRUE(again.finished());
    EXPECT_EQ(again.commandsApplied(), 2u);
    EXPECT_EQ(again.hashesChecked(), 3u);

    Replay changed = *replay.value;
    changed.commands[1].command.x = 91.0;
    EXPECT_EQ(replayed(changed).divergence(), 200) << "the first hash after the change";
    changed = *replay.value;
    changed.settings.seed = 12;
    EXPECT_EQ(replayed(changed).divergence(), 100);
}

// A game that is killed leaves what reached the file: whole passes, at most 5 seconds old.
TEST_F(ReplayRecordingTest, LinesReachTheFileAtWholePassesEveryFiveSeconds) {
    Game& game = Game::start(settingsOfSeed(3), nullptr);
    game.record(std::make_unique<ReplayWriter>("game.replay", settingsOfSeed(3)));
    EXPECT_EQ(read("game.replay"), "orvalen-replay 1\nmap none\nseed 3\nenemy-marines 4\n");
    game.runPass(16);
    game.apply(Command::move(1, 4.0, 5.0));
    tick = 4999;
    game.runPass(16);
    EXPECT_FALSE(read("game.replay").ends_with("p 16\n"));
    tick = 5000;
    game.runPass(16);
    EXPECT_TRUE(read("game.replay").ends_with("p 16\n1 1 move 4 5\np 16\n")) << "passes 1 and 2, not 3";
    const auto cut = parseReplay(read("game.replay"));
    ASSERT_TRUE(cut);
    EXPECT_FALSE(cut.value->complete);
    Game::end();
    EXPECT_TRUE(read("game.replay").ends_with("end 3\n"));
}

TEST_F(ReplayRecordingTest, AnUnwritableRecordingIsReportedOnceAndTheGameGoesOn) {
    Game& game = Game::start(settingsOfSeed(3), nullptr);
    game.record(std::make_unique<ReplayWriter>("no/such/folder/game.replay", settingsOfSeed(3)));
    for (int pass = 0; pass < 3; ++pass) {
        tick += 6000;
        game.runPass(16);
    }
    EXPECT_EQ(logCount("Couldn't write the recorded game no/such/folder/game.replay\n"), 1);
    EXPECT_EQ(game.passes(), 3);
}

TEST_F(ReplayRecordingTest, TheFolderNamesGamesByTheirStartAndKeepsTheNewestFifty) {
    const ReplayFolder folder("replays");
    std::tm start{};
    start.tm_year = 2026 - 1900;
    start.tm_mon = 11;
    start.tm_mday = 8;
    start.tm_hour = 11;
    start.tm_min = 20;
    start.tm_sec = 28;
    start.tm_isdst = -1;
    const std::time_t time = std::mktime(&start);
    const std::string first = folder.newRecording(time);
    EXPECT_EQ(first, (fs::path("replays") / "2026-12-08_11-20-28.replay").string());
    std::ofstream(first) << "x";
    EXPECT_EQ(folder.newRecording(time), (fs::path("replays") / "2026-12-08_11-20-28-2.replay").string());

    for (int i = 0; i < 60; ++i)
        std::ofstream(folder.newRecording(time + 60 * i)) << "x";
    std::ofstream("replays/notes.txt") << "mine";
    folder.prune();
    int kept = 0;
    for (const auto& entry : fs::directory_iterator("replays"))
        kept += entry.path().extension() == ".replay";
    EXPECT_EQ(kept, ReplayFolder::Kept);
    EXPECT_FALSE(fs::exists(first)) << "the oldest went";
    EXPECT_TRUE(fs::exists("replays/2026-12-08_12-19-28.replay")) << "the newest stayed";
    EXPECT_TRUE(fs::exists("replays/notes.txt")) << "other files stay";

    EXPECT_EQ(ReplayFolder("log.log/replays").newRecording(time), "") << "a folder that cannot be made";
}

} // namespace
