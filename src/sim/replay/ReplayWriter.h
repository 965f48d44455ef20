#pragma once

#include "sim/game/Command.h"
#include "sim/game/GameSettings.h"

#include <cstdint>
#include <fstream>
#include <string>

// Writes a game to its recording as it is played: the header when made, then each pass, command
// and hash. Passes in a row share a line, so a game at a thousand frames a second still takes only
// a few bytes a pass. Lines wait in memory and reach the file, always at the end of a whole pass, once the
// last write is 5 seconds old, so a game that is killed leaves a recording that replays up to a
// recent pass. A file that cannot be written is reported in the log once; the game goes on.
class ReplayWriter {
public:
    static constexpr uint32_t WriteInterval = 5000; // ms of real time

    // Starts the file at `path`, replacing one there, with the header of a game of `settings`.
    ReplayWriter(std::string path, const GameSettings& settings);

    void pass(int32_t milliseconds);
    void command(int32_t pass, const Command& command);
    void hash(int32_t pass, uint64_t value);
    // Between two passes: writes out what waits if the last write is old enough.
    void passComplete();
    // The final hash and the end mark, written out at once.
    void finish(int32_t passes, uint64_t hash);

private:
    void add(const std::string& line);
    void endPassLine();
    void writeOut();

    std::string filePath;
    std::ofstream file;
    std::string passLine; // the passes since the last other line, "p <ms> <ms> ..."
    std::string waiting;
    uint32_t lastWrite = 0;
    bool broken = false;
};
