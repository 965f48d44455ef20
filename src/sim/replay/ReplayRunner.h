#pragma once

#include "sim/replay/Replay.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// Plays a recorded game again on the current game, which must have been started with the
// recording's settings: pass by pass with the recorded lengths, each pass's commands after it,
// and the state's hash compared wherever the recording holds one.
class ReplayRunner {
public:
    explicit ReplayRunner(const Replay& replay) : replay(replay) {}

    // Runs the next pass and its commands and checks its hash; false when no pass is left or the
    // game has already gone another way than the recorded one.
    bool step();

    bool finished() const { return passesRun() == static_cast<int32_t>(replay.passLengths.size()); }
    // The first pass whose state's hash differs from the recorded one.
    std::optional<int32_t> divergence() const { return divergedAt; }
    // The length of the next pass, if one is left.
    std::optional<int32_t> nextPassLength() const;

    int32_t passesRun() const { return static_cast<int32_t>(nextPass); }
    std::size_t commandsApplied() const { return nextCommand; }
    std::size_t hashesChecked() const { return nextHash; }

private:
    const Replay& replay;
    std::size_t nextPass = 0;
    std::size_t nextCommand = 0;
    std::size_t nextHash = 0;
    std::optional<int32_t> divergedAt;
};
