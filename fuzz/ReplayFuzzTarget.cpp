// A recorded game's text through the reader orvalen --replay and orvalen-sim --replay use: every
// refusal names its line, and what it accepts is a game that can be played again as it stands.
#include "FuzzTarget.h"

#include "sim/replay/Replay.h"

#include <cctype>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto replay = parseReplay(text);
    if (!replay) {
        require(!replay.error.empty() && std::isdigit(static_cast<unsigned char>(replay.error[0])),
                "a refusal begins with its line's number");
        return 0;
    }
    const Replay& game = *replay.value;
    const auto passes = static_cast<int32_t>(game.passLengths.size());
    int32_t lastPass = 1;
    for (const TimedCommand& timed : game.commands) {
        require(timed.pass >= lastPass && timed.pass <= passes, "commands in pass order, after their pass");
        lastPass = timed.pass;
        std::string error;
        const auto again = parseCommandLine(formatCommandLine(timed), error);
        require(again && *again == timed, "a command reads back from the line it is written as");
    }
    int32_t hashed = 0;
    for (const auto& [pass, hash] : game.hashes) {
        require(pass > hashed && pass <= passes, "one hash a pass, in order");
        hashed = pass;
    }
    require(game.settings.enemyMarines >= 0 && game.settings.enemyMarines <= MostEnemyMarines,
            "a start the game can set up");
    return 0;
}
