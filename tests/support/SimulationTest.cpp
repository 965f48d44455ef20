#include "support/SimulationTest.h"

#include "core/Log.h"
#include "sim/game/Game.h"

#include <fstream>
#include <sstream>

void SimulationTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    previousFolder = std::filesystem::current_path();
    folder = std::filesystem::path(::testing::TempDir()) /
             (std::string("orvalen_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);

    Game::end();
    setPresentation(&recording);
    openLog();
}

void SimulationTest::TearDown() {
    Game::end();
    setPresentation(nullptr);
    std::filesystem::current_path(previousFolder);
    std::filesystem::remove_all(folder);
}

void SimulationTest::runFrame(int32_t milliseconds) {
    Game::current().runPass(milliseconds);
}

void SimulationTest::runFor(int32_t milliseconds, int32_t frame) {
    for (int32_t elapsed = 0; elapsed < milliseconds; elapsed += frame)
        runFrame(frame);
}

std::string SimulationTest::logText() {
    Log.flush();
    std::ifstream file("log.log");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int SimulationTest::logCount(const std::string& piece) {
    const std::string text = logText();
    int count = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size()))
        ++count;
    return count;
}
