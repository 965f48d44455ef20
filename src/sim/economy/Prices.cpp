#include "sim/economy/Prices.h"

ResourceSack priceOf(WorldObjectType type) {
    switch (type) {
    case TypeMarine:
    case TypeSecondMarine:
        return {UnlimitedCapacity, 60, 20};
    case TypeBarracks:
        return {UnlimitedCapacity, 150, 20};
    case TypeWorker:
        return {UnlimitedCapacity, 50, 0};
    case TypeBaseCenter:
        return {UnlimitedCapacity, 300, 100};
    default:
        return {UnlimitedCapacity, 0, 0};
    }
}
