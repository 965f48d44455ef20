#include "sim/players/Player.h"

#include "core/Log.h"
#include "sim/manager/ObjectManager.h"
#include "sim/players/PlayerManager.h"

Player::Player(int32_t id, std::string name)
    : PlayerSelector(id), resources(id, UnlimitedCapacity, 500, 100), name(std::move(name)), id(id) {
    ObjectManager* manager = ObjectManager::getInstance();
    connections.emplace_back(
        manager->objectAdded.connect([this](IWorldObject* object) { onObjectAdded(object); }));
    connections.emplace_back(
        manager->objectRemoved.connect([this](IWorldObject* object) { onObjectRemoved(object); }));
    connections.emplace_back(manager->objectAttacked.connect(
        [this](IWorldObject* attacker, IWorldObject* target) { onAttacked(attacker, target); }));

    Log << "Player(" << this->name << ") created" << std::endl;
    // The stray "s" after the line end is the game's own: it starts the next log line.
    Log << "Resources(" << static_cast<uint32_t>(resources.metal()) << ","
        << static_cast<uint32_t>(resources.oil()) << ") \ns";
}

Player::~Player() {
    Log << "Player(" << name << ") deleted" << std::endl;
}

void Player::update() {
    dropDead();
    Log << "Player1(" << name << ") population = " << static_cast<uint32_t>(population)
        << " resources = " << describe(resources) << std::endl;
}

void Player::onObjectAdded(IWorldObject* object) {
    if (object->getOwner() != id)
        return;
    ++population;
    messageSignal("Unit " + object->getName() + " created", UnitCreated);
}

void Player::onObjectRemoved(IWorldObject* object) {
    if (object->getOwner() != id)
        return;
    --population;
    messageSignal("Unit " + object->getName() + " deleted", UnitDeleted);
}

void Player::onAttacked(IWorldObject* attacker, IWorldObject* target) {
    if (target->getOwner() != id)
        return;
    const std::string attackerOwner = PlayerManager::getInstance()->getPlayer(attacker->getOwner()).getName();
    messageSignal("You are attacked by " + attackerOwner, Attacked);
}
