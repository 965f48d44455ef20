#include "sim/replay/Replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

const std::string Header = "orvalen-replay 1\n"
                           "map 0123456789abcdef data\\maps\\my map.ktqw\n"
                           "seed 1733650000\n"
                           "enemy-marines 15\n";

TEST(ReplayTest, ReadsTheSettingsEveryPassEveryCommandAndTheHashes) {
    const auto replay = parseReplay(Header + "p 16 17\n"
                                             "2 1 select 3 4\n"
                                             "2 1 move 10 12.5\n"
                                             "h 2 00000000000000ff\n"
                                             "p 0\n"
                                             "h 3 fedcba9876543210\n"
                                             "end 3\n");
    ASSERT_TRUE(replay) << replay.error;
    const GameSettings& settings = replay.value->settings;
    EXPECT_EQ(settings.mapPath, "data\\maps\\my map.ktqw");
    EXPECT_EQ(settings.mapChecksum, 0x0123456789abcdefULL);
    EXPECT_EQ(settings.seed, 1733650000);
    EXPECT_EQ(settings.enemyMarines, 15);
    EXPECT_EQ(replay.value->passLengths, (std::vector<int32_t>{16, 17, 0}));
    ASSERT_EQ(replay.value->commands.size(), 2u);
    EXPECT_EQ(replay.value->commands[1], (TimedCommand{2, Command::move(1, 10.0, 12.5)}));
    EXPECT_EQ(replay.value->hashes,
              (std::vector<std::pair<int32_t, uint64_t>>{{2, 0xff}, {3, 0xfedcba9876543210ULL}}));
    EXPECT_TRUE(replay.value->complete);
}

TEST(ReplayTest, AGameCutShortReadsUpToItsLastWholeLine) {
    const auto replay = parseReplay(Header + "p 16\np 16\n2 1 move 1 1\np 1 1");
    ASSERT_TRUE(replay) << replay.error;
    EXPECT_EQ(replay.value->passLengths.size(), 2u);
    EXPECT_EQ(replay.value->commands.size(), 1u);
    EXPECT_FALSE(replay.value->complete);

    const auto empty = parseReplay("orvalen-replay 1\nmap none\nseed 3\nenemy-marines 0\nend 0\n");
    ASSERT_TRUE(empty) << empty.error;
    EXPECT_FALSE(empty.value->settings.mapChecksum) << "a game played on an empty map";
    EXPECT_TRUE(empty.value->complete);
}

TEST(ReplayTest, ASkirmishsHeaderNamesItsRulesAndTheSidesTheComputerPlays) {
    const auto skirmish = parseReplay(Header + "rules skirmish\ncomputer 2 1\nend 0\n");
    ASSERT_TRUE(skirmish) << skirmish.error;
    EXPECT_TRUE(skirmish.value->settings.skirmish);
    EXPECT_TRUE(skirmish.value->settings.playedByComputer(1));
    EXPECT_TRUE(skirmish.value->settings.playedByComputer(2));

    const auto standard = parseReplay(Header + "rules standard\nend 0\n");
    ASSERT_TRUE(standard) << standard.error;
    EXPECT_FALSE(standard.value->settings.skirmish);
    EXPECT_FALSE(standard.value->settings.playedByComputer(2)) << "nobody without the line";
}

const std::pair<std::string, std::string> Faults[] = {
    {"", "1: the header is incomplete"},
    {"\x89PNG\r\n\x1a\n", "1: not a recorded game: the first line is not orvalen-replay 1"},
    {"orvalen-replay 2\n", "1: a recorded game of another version (orvalen-replay 2); this game reads "
                           "orvalen-replay 1"},
    {"orvalen-replay 1\nmap none\nseed 1\n", "4: the header is incomplete"},
    {"orvalen-replay 1\nmap none\np 16\n",
     "3: the header needs map, seed and enemy-marines lines before the first pass"},
    {"orvalen-replay 1\nmap 12 a.ktqw\n", "2: map needs a 16-digit checksum and the map's path, or none"},
    {"orvalen-replay 1\nseed 1\nseed 2\n", "3: a second seed line"},
    {"orvalen-replay 1\nseed x\n", "2: seed needs a whole number"},
    {"orvalen-replay 1\nenemy-marines 1001\n", "2: enemy-marines needs a whole number from 0 to 1000"},
    {Header + "p -1\n", "5: p needs pass lengths of at least 0 milliseconds"},
    {Header + "p 16 x\n", "5: p needs pass lengths of at least 0 milliseconds"},
    {Header + "p\n", "5: p needs pass lengths of at least 0 milliseconds"},
    {Header + "p 2147483647\np 1\n", "6: the game clock passes 2147483647 ms"},
    {Header + "p 16\n2 1 move 1 1\n", "6: a command for pass 2 after pass 1"},
    {Header + "p 16\n1 1 jump\n", "6: unknown command 'jump'"},
    {Header + "p 16\nh 1 123\n", "6: h needs a pass and a 16-digit hash"},
    {Header + "p 16\nh 2 0000000000000000\n", "6: a hash for pass 2 after pass 1"},
    {Header + "p 16\nh 1 0000000000000000\nh 1 0000000000000000\n", "7: a second hash for pass 1"},
    {Header + "p 16\nend 2\n", "6: the end mark names pass 2 after pass 1"},
    {Header + "p 16\nend 1\np 16\n", "7: a line after the end mark"},
    {Header + "p 16\n\n", "6: a command needs a pass, a player and a name"},
    {"orvalen-replay 1\nrules chess\n", "2: rules needs standard or skirmish"},
    {"orvalen-replay 1\nrules skirmish\nrules skirmish\n", "3: a second rules line"},
    {"orvalen-replay 1\ncomputer 3\n", "2: computer needs the sides it plays, 1 and 2, each once"},
    {"orvalen-replay 1\ncomputer 2 2\n", "2: computer needs the sides it plays, 1 and 2, each once"},
    {"orvalen-replay 1\ncomputer\n", "2: computer needs the sides it plays, 1 and 2, each once"},
};

TEST(ReplayTest, EachFaultIsNamedByItsLine) {
    for (const auto& [text, error] : Faults) {
        const auto replay = parseReplay(text);
        EXPECT_FALSE(replay) << text;
        EXPECT_EQ(replay.error, error) << text;
    }
}

std::string formatsDocument() {
    std::ostringstream text;
    text << std::ifstream(ORVALEN_FORMATS_DOC).rdbuf();
    return text.str();
}

// A reason with its numbers written as #, as the document may quote it with other numbers.
std::string withoutNumbers(const std::string& reason) {
    return std::regex_replace(reason, std::regex("[0-9]+"), "#");
}

TEST(ReplayTest, TheFormatsPageExampleReadsAndItsQuotedReasonsAreTheReadersOwn) {
    const std::string document = formatsDocument();
    const std::size_t marker = document.find("<!-- example: replay -->");
    ASSERT_NE(marker, std::string::npos);
    const std::size_t start = document.find("```text\n", marker) + 8;
    const auto example = parseReplay(document.substr(start, document.find("```\n", start) - start));
    ASSERT_TRUE(example) << example.error;
    EXPECT_TRUE(example.value->complete);
    EXPECT_EQ(example.value->passLengths.size(), 4u);
    EXPECT_EQ(example.value->commands.size(), 2u);

    std::set<std::string> reasons;
    for (const auto& [text, error] : Faults)
        reasons.insert(withoutNumbers(error.substr(error.find(": ") + 2)));
    const std::regex quoted("game\\.replay:[0-9]+: ([^\n]+)");
    int count = 0;
    for (auto it = std::sregex_iterator(document.begin(), document.end(), quoted);
         it != std::sregex_iterator(); ++it, ++count)
        EXPECT_TRUE(reasons.contains(withoutNumbers((*it)[1]))) << (*it)[1];
    EXPECT_GE(count, 5);
}

} // namespace
