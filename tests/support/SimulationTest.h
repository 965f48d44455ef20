#pragma once

#include "sim/game/GameClock.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/IWorldObject.h"
#include "sim/objects/Presentation.h"
#include "sim/players/PlayerManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A Presentation that records what the simulation asks of the sound and the panel, and hands out
// empty model instances so that colours and directions can be seen.
class RecordingPresentation : public Presentation {
public:
    ModelInstance* createInstance(int type) override {
        return withModels ? new ModelInstance() : Presentation::createInstance(type);
    }
    void playSelectResponse(int type) override { selectResponses.push_back(type); }
    void playMoveAcknowledgement(int type) override { moveAcknowledgements.push_back(type); }
    void showPanelButton(int /*player*/, int slot) override { panelButtons.push_back(slot); }

    bool withModels = false;
    std::vector<int> selectResponses;
    std::vector<int> moveAcknowledgements;
    std::vector<int> panelButtons;
};

// Each test runs in a folder of its own with a fresh log and a fresh, empty game whose clock is at
// 0; the game is torn down afterwards as the game's shutdown does.
class SimulationTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // One pass of `milliseconds`: the game clock advances, then the simulation updates.
    void runFrame(int32_t milliseconds);
    // Passes of `frame` ms until `milliseconds` of game time have gone by.
    void runFor(int32_t milliseconds, int32_t frame);

    // Constructs an object of the class and adds it to the world.
    template <typename T> std::shared_ptr<T> add(WorldObjectType type, int32_t owner, double x, double z) {
        auto object = std::make_shared<T>(WorldObjectData{type, owner, x, z, nullptr});
        world().addObject(object);
        return object;
    }

    ObjectManager& world() { return *ObjectManager::getInstance(); }
    Player& player(int32_t id) { return PlayerManager::getInstance()->getPlayer(id); }
    // Everything logged so far.
    std::string logText();
    // The number of times `piece` occurs in the log.
    int logCount(const std::string& piece);

    RecordingPresentation recording;

private:
    std::filesystem::path previousFolder;
    std::filesystem::path folder;
};

// The messages a player receives while the recorder lives, in order.
struct MessageRecorder {
    explicit MessageRecorder(Player& player)
        : connection(player.messageSignal.connect([this](std::string text, Player::MessageType kind) {
              messages.emplace_back(std::move(text), kind);
          })) {}

    std::vector<std::pair<std::string, Player::MessageType>> messages;
    boost::signals2::scoped_connection connection;
};
