#pragma once

struct MapObject;

// Puts one object the map places into the world: made by the object factory, added to the
// object manager. A game starting on a map places its objects with it.
void addMapObject(const MapObject& object);
