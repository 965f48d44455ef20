#include "app/KeyOrders.h"

#include "app/Session.h"
#include "client/KeyPress.h"
#include "client/render/Camera.h"
#include "client/render/CameraSteering.h"
#include "core/Clock.h"
#include "core/VirtualKey.h"
#include "platform/Platform.h"
#include "sim/game/GameMap.h"
#include "sim/manager/ObjectManager.h"
#include "sim/objects/Fighter.h"
#include "sim/objects/Worker.h"

namespace {

bool ownAlive(const IWorldObject& object) {
    return object.getOwner() == Session::Player && !object.isDead();
}

// The view looks at the middle of the objects.
void centreOn(const ObjectList& objects) {
    if (objects.empty())
        return;
    double x = 0.0, z = 0.0;
    for (const auto& object : objects) {
        x += object->getPosition().x;
        z += object->getPosition().z;
    }
    const auto count = static_cast<double>(objects.size());
    const WorldPoint middle = groundPoint(z / count, x / count);
    centreCamera(camera, static_cast<float>(middle.x), static_cast<float>(middle.z), gameViewShape(),
                 mapGroundArea());
}

} // namespace

void selectAndShow(const ObjectList& objects, bool centre) {
    const ObjectManager& world = *ObjectManager::getInstance();
    session().give(Command::select(Session::Player, world.placesOf(objects)));
    if (centre)
        centreOn(objects);
}

void KeyOrders::take() {
    takeGroupKeys();
    if (keyPressed('I'))
        selectNextIdleWorker();
    if (keyPressed('M'))
        selectMarines();
    if (keyPressed('S'))
        session().give(Command::stop(Session::Player));
    if (keyPressed('A'))
        armed = true;
}

void KeyOrders::takeGroupKeys() {
    const bool keeping = platform::keyHeld(KeyControl);
    for (int number = ControlGroups::First; number <= ControlGroups::Last; ++number) {
        if (!keyPressed('0' + number))
            continue;
        if (keeping) {
            groups.keep(number, session().shownSelection());
            continue;
        }
        const ObjectList members = groups.members(number);
        if (!members.empty())
            selectAndShow(members, groups.doubleTapped(number, currentTick()));
    }
}

// The next in list order after the last one picked, so that pressing again goes through them all.
void KeyOrders::selectNextIdleWorker() {
    const ObjectList& objects = ObjectManager::getInstance()->getObjects();
    std::shared_ptr<IWorldObject> first, next;
    bool pastLast = lastIdle == nullptr;
    for (const auto& object : objects) {
        const auto* worker = dynamic_cast<const Worker*>(object.get());
        if (worker && ownAlive(*object) && worker->isIdle()) {
            if (!first)
                first = object;
            if (pastLast && !next)
                next = object;
        }
        pastLast = pastLast || object.get() == lastIdle;
    }
    const std::shared_ptr<IWorldObject> chosen = next ? next : first;
    if (!chosen)
        return;
    lastIdle = chosen.get();
    selectAndShow({chosen}, true);
}

void KeyOrders::selectMarines() {
    ObjectList marines;
    for (const auto& object : ObjectManager::getInstance()->getObjects())
        if (dynamic_cast<const Fighter*>(object.get()) && ownAlive(*object))
            marines.push_back(object);
    if (!marines.empty())
        selectAndShow(marines, false);
}
