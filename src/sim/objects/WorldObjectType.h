#pragma once

#include <cstdint>

// The kind of a world object; also the index into every player's per-type tables.
using WorldObjectType = int32_t;

constexpr WorldObjectType TypeMarine = 0;
constexpr WorldObjectType TypeScout = 1;
constexpr WorldObjectType TypeBarracks = 2;
constexpr WorldObjectType TypeConstruction = 3;
constexpr WorldObjectType TypeMetalPile = 4;
constexpr WorldObjectType TypeOilPile = 5;
constexpr WorldObjectType TypeOilRafinery = 6;
constexpr WorldObjectType TypeWorker = 7;
constexpr WorldObjectType TypeBaseCenter = 8;
constexpr WorldObjectType TypeSecondMarine = 9; // a name and a price, no class
constexpr WorldObjectType TypeNone = 11;        // what a fresh record holds

// Types 0 to 10 have a name and table entries.
constexpr int WorldObjectTypeCount = 11;
