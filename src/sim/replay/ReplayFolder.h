#pragma once

#include <ctime>
#include <string>

// The folder where every game is recorded, beside the log: one file per game, named by the local
// time it started ("2026-12-08_11-20-28.replay"), the newest 50 kept.
class ReplayFolder {
public:
    static constexpr const char* Name = "replays";
    static constexpr int Kept = 50;

    explicit ReplayFolder(std::string folder = Name) : folder(std::move(folder)) {}

    // Makes the folder and names the recording of a game started at `start`, which no file has
    // yet; empty when the folder cannot be made.
    std::string newRecording(std::time_t start) const;
    // Removes the oldest recordings beyond the newest `Kept`. Other files stay.
    void prune() const;

private:
    std::string folder;
};
