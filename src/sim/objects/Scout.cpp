#include "sim/objects/Scout.h"

Scout::Scout(WorldObjectData record) : IWorldObject(std::move(record)) {
    Moveable::attach(data);
}
