#pragma once

#include "files/WorldFile.h"
#include "sim/game/Command.h"
#include "sim/game/GameSettings.h"
#include "sim/manager/SelectedObjects.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// What the window plays: a game of the player's own, recorded as it goes (PlayedGame), or a
// recorded game shown again (ShownReplay). The main loop advances it, the frame hands it the
// player's orders and shows what it says to show.
class Session {
public:
    // The side the window's player is.
    static constexpr int32_t Player = 1;

    virtual ~Session() = default;

    // The loading sequence's "Loading world..." step: the map read and its terrain made ready to
    // draw.
    void loadWorld();
    // After the loading sequence, once: the game set up on the map.
    virtual void start() = 0;
    // One active pass of the main loop, `milliseconds` long by the frame clock.
    virtual void advance(int32_t milliseconds) = 0;
    // The player's order, as the frame gives it; false when it is not taken.
    virtual bool give(const Command& command) = 0;
    // The selection the window shows: circles, health bars and the panel's read-out.
    virtual SelectedObjects shownSelection() const = 0;
    // A line to show over the scene, or nothing.
    virtual std::string caption() const { return {}; }
    // After the main loop: the game torn down, the log closed.
    virtual void end();

protected:
    // The map the game is played on; nothing for an empty map.
    virtual std::optional<MapFile> readMap() = 0;
    // The game set up on the map that loadWorld read; the player's messages from now on shown over
    // the scene.
    void startGame(const GameSettings& settings);

    std::optional<MapFile> map;
};

// The session the window plays: a standard game until another is installed.
Session& session();
void installSession(std::unique_ptr<Session> chosen);
