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
