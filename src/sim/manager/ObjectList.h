#pragma once

#include <list>
#include <memory>

class IWorldObject;

// World objects in insertion order. The order decides every tie of every query.
using ObjectList = std::list<std::shared_ptr<IWorldObject>>;
