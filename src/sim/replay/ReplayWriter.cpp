#include "sim/replay/ReplayWriter.h"

#include "core/Clock.h"
#include "core/FilePath.h"
#include "core/Log.h"
#include "sim/game/CommandText.h"
#include "sim/replay/Replay.h"

#include <utility>

ReplayWriter::ReplayWriter(std::string path, const GameSettings& settings)
    : filePath(std::move(path)),
      file(normalisePath(filePath), std::ios::out | std::ios::trunc | std::ios::binary) {
    add(Replay::FormatLine);
    add(replayMapLine(settings));
    add("seed " + std::to_string(settings.seed));
    add("enemy-marines " + std::to_string(settings.enemyMarines));
    // Written only where they differ from a standard game's, so that its recordings stay as they were.
    if (settings.skirmish)
        add("rules skirmish");
    std::string computer;
    for (int32_t side : {1, 2})
        if (settings.playedByComputer(side))
            computer += " " + std::to_string(side);
    if (!computer.empty())
        add("computer" + computer);
    writeOut();
}

void ReplayWriter::pass(int32_t milliseconds) {
    passLine += (passLine.empty() ? "p " : " ") + std::to_string(milliseconds);
}

void ReplayWriter::command(int32_t pass, const Command& command) {
    add(formatCommandLine({pass, command}));
}

void ReplayWriter::hash(int32_t pass, uint64_t value) {
    add(replayHashLine(pass, value));
}

void ReplayWriter::passComplete() {
    if (currentTick() - lastWrite >= WriteInterval)
        writeOut();
}

void ReplayWriter::finish(int32_t passes, uint64_t hash) {
    this->hash(passes, hash);
    add("end " + std::to_string(passes));
    writeOut();
}

void ReplayWriter::add(const std::string& line) {
    endPassLine();
    waiting += line;
    waiting += '\n';
}

void ReplayWriter::endPassLine() {
    if (passLine.empty())
        return;
    waiting += passLine;
    waiting += '\n';
    passLine.clear();
}

void ReplayWriter::writeOut() {
    lastWrite = currentTick();
    endPassLine();
    if (broken)
        return;
    file.write(waiting.data(), static_cast<std::streamsize>(waiting.size()));
    file.flush();
    waiting.clear();
    if (!file) {
        broken = true;
        Log << "Couldn't write the recorded game " << filePath << std::endl;
    }
}
