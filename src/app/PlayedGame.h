#pragma once

#include "app/Session.h"

// A game the player plays against the set-up's enemy on the standard map, recorded into the
// replays folder as it goes.
class PlayedGame : public Session {
public:
    static constexpr const char* MapPath = "data\\maps\\motac.ktqw";

    explicit PlayedGame(int32_t enemyMarines) : enemyMarines(enemyMarines) {}

    void start() override;
    void advance(int32_t milliseconds) override;
    bool give(const Command& command) override;
    SelectedObjects shownSelection() const override;

protected:
    std::optional<MapFile> readMap() override;

private:
    void record(const GameSettings& settings);

    int32_t enemyMarines;
};
