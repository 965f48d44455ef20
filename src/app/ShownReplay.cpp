#include "app/ShownReplay.h"

#include "client/GamePresentation.h"
#include "sim/game/Game.h"
#include "sim/manager/ObjectManager.h"

ShownReplay::ShownReplay(ReplayFile file)
    : replay(std::move(file.replay)), recordedMap(std::move(file.map)) {}

std::optional<MapFile> ShownReplay::readMap() {
    return std::move(recordedMap);
}

void ShownReplay::start() {
    startGame(replay.settings);
    gamePresentation().setCommandingPlayer(-1);
}

void ShownReplay::advance(int32_t milliseconds) {
    due += milliseconds;
    for (int passes = 0; passes < MostPassesPerFrame; ++passes) {
        const std::optional<int32_t> next = runner.nextPassLength();
        if (!next || *next > due)
            break;
        due -= *next;
        runner.step();
    }
    if (!runner.nextPassLength())
        due = 0;
    looker.dropDead();
}

// Only a selection is taken, and it stays the window's: the recorded side's own selection is the
// recorded commands'.
bool ShownReplay::give(const Command& command) {
    if (command.kind != Command::Kind::Select)
        return false;
    const ObjectList picked = ObjectManager::getInstance()->objectsAt(command.objects);
    looker.selectObjects(&picked);
    return true;
}

SelectedObjects ShownReplay::shownSelection() const {
    return looker.getSelection();
}

std::string ShownReplay::caption() const {
    if (const std::optional<int32_t> pass = runner.divergence())
        return "Replay diverged at pass " + std::to_string(*pass);
    return runner.finished() ? "Replay finished" : "";
}

void ShownReplay::end() {
    looker.selectObjects(nullptr);
    Session::end();
}
