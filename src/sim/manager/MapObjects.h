#pragma once

struct MapObject;
struct WorldFile;

// Puts one object the map places into the world: made by the object factory, added to the
// object manager. The game's map loader and the headless runner both use it.
void addMapObject(const MapObject& object);

// The map's terrain grid into the process-wide world (no GL buffers) and its piles and town
// centres into the world, in file order.
void loadMapForSimulation(const WorldFile& file);
