#include "sim/replay/ReplayRunner.h"

#include "sim/game/Game.h"
#include "sim/game/StateHash.h"

std::optional<int32_t> ReplayRunner::nextPassLength() const {
    if (finished() || divergedAt)
        return std::nullopt;
    return replay.passLengths[nextPass];
}

bool ReplayRunner::step() {
    const std::optional<int32_t> length = nextPassLength();
    if (!length)
        return false;
    Game& game = Game::current();
    game.runPass(*length);
    const int32_t pass = static_cast<int32_t>(++nextPass);
    for (; nextCommand < replay.commands.size() && replay.commands[nextCommand].pass == pass; ++nextCommand)
        game.apply(replay.commands[nextCommand].command);
    if (nextHash < replay.hashes.size() && replay.hashes[nextHash].first == pass) {
        if (hashGameState() != replay.hashes[nextHash].second)
            divergedAt = pass;
        ++nextHash;
    }
    return true;
}
