#include "sim/manager/IndexEntry.h"

#include "sim/manager/ObjectIndex.h"
#include "sim/objects/IWorldObject.h"

IndexEntry::IndexEntry(ObjectIndex& index, std::shared_ptr<IWorldObject> held, uint64_t order)
    : index(index), object(std::move(held)), order(order), position(object->getPosition()) {}

void IndexEntry::positionChanged(double x, double z) {
    index.moved(*this, x, z);
}
