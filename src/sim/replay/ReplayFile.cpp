#include "sim/replay/ReplayFile.h"

#include "core/FilePath.h"
#include "core/Fnv1a.h"

namespace {

// The map the recording names, as it was when the game was played.
ParseResult<MapFile> recordedMap(const GameSettings& settings) {
    const std::string& path = settings.mapPath;
    if (!readFileBytes(path))
        return {std::nullopt, "the recorded game's map " + path + " is missing"};
    ParseResult<MapFile> map = readMapFile(path);
    if (!map)
        return {std::nullopt, mapUnavailableMessage(path) + " (" + map.error + ")"};
    if (map.value->checksum != *settings.mapChecksum)
        return {std::nullopt, "the map " + path + " is not the one the game was played on (checksum " +
                                  hexDigits(map.value->checksum) + ", recorded " +
                                  hexDigits(*settings.mapChecksum) + ")"};
    return map;
}

} // namespace

ParseResult<ReplayFile> loadReplayFile(const std::string& path) {
    const std::optional<std::vector<uint8_t>> bytes = readFileBytes(path);
    if (!bytes)
        return {std::nullopt, "cannot read the recorded game " + path};
    ParseResult<Replay> replay = parseReplay({reinterpret_cast<const char*>(bytes->data()), bytes->size()});
    if (!replay)
        return {std::nullopt, path + ":" + replay.error};
    ReplayFile file{std::move(*replay.value), std::nullopt};
    if (file.replay.settings.mapChecksum) {
        ParseResult<MapFile> map = recordedMap(file.replay.settings);
        if (!map)
            return {std::nullopt, map.error};
        file.map = std::move(*map.value);
    }
    return {std::move(file), {}};
}
