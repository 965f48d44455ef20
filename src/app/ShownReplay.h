#pragma once

#include "app/Session.h"
#include "sim/players/PlayerSelector.h"
#include "sim/replay/ReplayFile.h"
#include "sim/replay/ReplayRunner.h"

// A recorded game shown again in the window: its passes run as the frame clock lets them, its
// commands drive the game. The player moves the camera and selects to look, with a selection of
// the window's own, and gives no orders.
class ShownReplay : public Session {
public:
    // The most passes one frame catches up on, so a slow machine still draws.
    static constexpr int MostPassesPerFrame = 1000;

    explicit ShownReplay(ReplayFile file);

    void start() override;
    void advance(int32_t milliseconds) override;
    bool give(const Command& command) override;
    SelectedObjects shownSelection() const override;
    // "Replay finished" once every recorded pass has run; "Replay diverged at pass P" when the game
    // went another way than the recorded one.
    std::string caption() const override;
    // What the watcher selected goes with the game.
    void end() override;

protected:
    std::optional<MapFile> readMap() override;

private:
    Replay replay;
    std::optional<MapFile> recordedMap;
    ReplayRunner runner{replay};
    PlayerSelector looker{Player};
    int32_t due = 0; // frame time not yet taken by a pass
};
