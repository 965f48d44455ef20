// The runner as other checks use it: the real program in a folder of its own.
#include "formats/MapWriter.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

TEST_F(OrvalenSimTest, TheMapsObjectsComeFirstInTheWorld) {
    const std::vector<uint8_t> bytes = writeWorldFile(smallMap());
    write("small.ktqw", std::string(bytes.begin(), bytes.end()));
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

} // namespace
