#pragma once

#include "core/ParseResult.h"
#include "files/WorldFile.h"
#include "sim/replay/Replay.h"

#include <optional>
#include <string>

// A recorded game as it can be played again: the recording, and the map it names read from the
// current folder (none for a game played on an empty map).
struct ReplayFile {
    Replay replay;
    std::optional<MapFile> map;
};

// The recorded game at `path`, or why it cannot be played again: "PATH:LINE: reason" for a file
// that is not a recording, or a message for a map that is missing, unreadable or another than the
// one the game was played on.
ParseResult<ReplayFile> loadReplayFile(const std::string& path);
