#pragma once

#include "app/Session.h"
#include "sim/game/OrderScript.h"

// A game the player plays, recorded into the replays folder as it goes: the standard game against
// the set-up's enemy on the standard map, or a skirmish on a chosen map.
class PlayedGame : public Session {
public:
    static constexpr const char* MapPath = "data\\maps\\motac.ktqw";

    // The standard game.
    explicit PlayedGame(int32_t enemyMarines);
    // The game `chosen` describes, on its map; `map` is that map when the caller has read it
    // already. The seed is taken as the game starts.
    explicit PlayedGame(GameSettings chosen, std::optional<MapFile> map = std::nullopt);

    // Gives the script's orders after the passes they name: one pass a frame.
    void follow(OrderScript orders);

    void start() override;
    void advance(int32_t milliseconds) override;
    bool give(const Command& command) override;
    SelectedObjects shownSelection() const override;

protected:
    std::optional<MapFile> readMap() override;

private:
    void record(const GameSettings& settings);

    GameSettings chosen;
    std::optional<MapFile> preread;
    OrderScript script;
};
