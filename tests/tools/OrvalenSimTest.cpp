// The runner as other checks use it: the real program in a folder of its own.
#include "SimRunner.h"
#include "formats/MapWriter.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

class OrvalenSimTest : public ::testing::Test {
protected:
    // Runs orvalen-sim in the scratch folder; returns its exit status.
    int run(const std::string& arguments) {
        const std::string command =
            std::string("'") + ORVALEN_SIM + "' " + arguments + " > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string read(const std::string& name) {
        std::ifstream file(folder / name);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    void write(const std::string& name, const std::string& text) { std::ofstream(folder / name) << text; }
    std::string maskedLog() {
        return std::regex_replace(read("log.log"), std::regex("0x[0-9a-f]+"), "ADDRESS");
    }
    void writeSmallMap();

    const ScratchFolder folder;
};

TEST_F(OrvalenSimTest, AMalformedScriptLineStopsTheRunBeforeItStarts) {
    write("orders.txt", "1 1 select 0\n2 1 jump 4 4\n");
    write("log.log", "earlier\n");
    EXPECT_EQ(run("--script orders.txt"), 2);
    EXPECT_NE(read("err.txt").find("line 2"), std::string::npos);
    EXPECT_EQ(read("log.log"), "earlier\n");
    EXPECT_EQ(run("--passes many"), 2);
    EXPECT_EQ(run("--script missing.txt"), 2);
}

TEST_F(OrvalenSimTest, TheDumpListsTheWorldAndThePlayers) {
    write("orders.txt", "1 1 spawn 8 100 100\n"
                        "2 1 select 23\n"
                        "2 1 train 5\n"
                        "3 2 spawn 3 1 1\n");
    ASSERT_EQ(run("--seed 5 --frame-ms 100 --passes 25 --script orders.txt --dump"), 0) << read("err.txt");
    const std::string dump = read("out.txt");
    EXPECT_NE(dump.find("object 0 3 1 55.000 60.000 1 500\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("object 23 8 1 100.000 100.000 2400 2400\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("object 24 7 1 100.000 103.000 40 40\n"), std::string::npos)
        << "the trained Worker, at the door";
    EXPECT_NE(dump.find("object 18 5 0 60.000 40.000 0 0\n"), std::string::npos);
    EXPECT_NE(dump.find("player 1 450 100 7\n"), std::string::npos) << dump;
    EXPECT_NE(read("log.log").find("WorldObjectType 3 not found in ObjectFactory::createObject\n"),
              std::string::npos);
}

// A 4 x 3 map with one metal pile, one oil pile and both base centres.
WorldFile smallMap() {
    WorldFile map;
    map.rows = 3;
    map.columns = 4;
    map.cornerHeights.assign(5 * 4, 0.5f);
    map.cellTextures.assign(12, -1);
    map.metalPiles = {{2, 1, 0}};
    map.oilPiles = {{0, 3, 0}};
    map.baseCentres = {{{1, 2}, {2, 3}}};
    return map;
}

void OrvalenSimTest::writeSmallMap() {
    const std::vector<uint8_t> bytes = writeWorldFile(smallMap());
    write("small.ktqw", std::string(bytes.begin(), bytes.end()));
}

TEST_F(OrvalenSimTest, TheMapsObjectsComeFirstInTheWorld) {
    writeSmallMap();
    ASSERT_EQ(run("--seed 3 --passes 1 --map small.ktqw --dump"), 0) << read("err.txt");
    const std::string dump = read("out.txt");
    EXPECT_EQ(dump.rfind("object 0 4 0 1.000 2.000 0 0\n"
                         "object 1 5 0 3.000 0.000 0 0\n"
                         "object 2 8 1 2.000 1.000 2400 2400\n"
                         "object 3 8 2 3.000 2.000 2400 2400\n"
                         "object 4 3 1 55.000 60.000 1 500\n",
                         0),
              0u)
        << dump;
    EXPECT_NE(dump.find("player 1 500 100 6\n"), std::string::npos) << dump;
}

TEST_F(OrvalenSimTest, ABrokenMapIsReportedAsTheGameReportsIt) {
    EXPECT_EQ(run("--map missing.ktqw"), 2);
    EXPECT_NE(read("err.txt").find("Map missing.ktqw wasn't found or is corrupted!"), std::string::npos)
        << read("err.txt");

    // The game folder's own map, broken, leaves an empty map and the run goes on.
    std::filesystem::create_directories(folder / "data" / "maps");
    write("data/maps/motac.ktqw", "not a map");
    ASSERT_EQ(run("--passes 1 --dump"), 0);
    EXPECT_NE(read("err.txt").find("Map data\\maps\\motac.ktqw wasn't found or is corrupted!"),
              std::string::npos)
        << read("err.txt");
    EXPECT_EQ(read("out.txt").rfind("object 0 3 1", 0), 0u);
}

// The set-up's two Workers (24 and 26 on the small map) walk off, then one gathers from a pile (21).
const char* const Orders = "30 1 select 24 26\n"
                           "31 1 move 40 45.5\n"
                           "150 1 select 24\n"
                           "150 1 act 21\n";

// One game after another in one process writes what a fresh process writes.
TEST_F(OrvalenSimTest, AGamePlayedTwiceInOneProcessLogsAsAFreshProcessDoes) {
    writeSmallMap();
    write("orders.txt", Orders);
    ASSERT_EQ(run("--seed 9 --passes 400 --map small.ktqw --script orders.txt"), 0) << read("err.txt");
    const std::string fresh = maskedLog();
    ASSERT_NE(fresh.find("LOOP (6400) 16\n"), std::string::npos);

    SimOptions options;
    options.seed = 9;
    options.passes = 400;
    options.mapPath = "small.ktqw";
    std::string error;
    const std::optional<OrderScript> script = OrderScript::parse(Orders, error);
    ASSERT_TRUE(script) << error;
    for (int game = 1; game <= 2; ++game) {
        std::ostringstream out;
        SimRunner(options, *script, std::move(*readMapFile("small.ktqw").value)).run(out);
        EXPECT_EQ(maskedLog(), fresh) << "game " << game;
    }
}

TEST_F(OrvalenSimTest, ARecordedRunReplaysAndAChangedOrCutOneDoesNot) {
    writeSmallMap();
    write("orders.txt", Orders);
    ASSERT_EQ(run("--seed 9 --passes 400 --map small.ktqw --script orders.txt --record game.replay"), 0)
        << read("err.txt");
    const std::string recorded = read("game.replay");
    const std::string log = maskedLog();
    ASSERT_EQ(run("--replay game.replay"), 0) << read("out.txt") << read("err.txt");
    EXPECT_EQ(read("out.txt"), "replay matches: 400 passes, 4 commands, 4 hashes checked\n");
    EXPECT_EQ(maskedLog(), log) << "a replay logs what the game logged";

    write("changed.replay", std::regex_replace(recorded, std::regex("31 1 move 40 45.5"), "31 1 move 40 45"));
    EXPECT_EQ(run("--replay changed.replay"), 1);
    EXPECT_EQ(read("out.txt"), "replay diverged at pass 100\n");

    write("cut.replay", recorded.substr(0, recorded.find("150 1 select")));
    EXPECT_EQ(run("--replay cut.replay"), 1);
    EXPECT_EQ(read("out.txt"), "replay incomplete: ends at pass 150\n");

    write("broken.replay", std::regex_replace(recorded, std::regex("seed 9"), "seed nine"));
    EXPECT_EQ(run("--replay broken.replay"), 2);
    EXPECT_EQ(read("err.txt"), "orvalen-sim: broken.replay:3: seed needs a whole number\n");

    std::filesystem::rename(folder / "small.ktqw", folder / "elsewhere.ktqw");
    EXPECT_EQ(run("--replay game.replay"), 2);
    EXPECT_EQ(read("err.txt"), "orvalen-sim: the recorded game's map small.ktqw is missing\n");
    WorldFile other = smallMap();
    other.cornerHeights[0] = 0.25f;
    const std::vector<uint8_t> bytes = writeWorldFile(other);
    write("small.ktqw", std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(run("--replay game.replay"), 2);
    EXPECT_NE(read("err.txt").find("the map small.ktqw is not the one the game was played on"),
              std::string::npos);

    EXPECT_EQ(run("--replay game.replay --seed 3"), 2);
    EXPECT_EQ(run("--replay missing.replay"), 2);
}

} // namespace
