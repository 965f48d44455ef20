#pragma once

#include "Image.h"

#include <cstdint>

// The surface patterns that model skins are made of. Each paints one tile of an atlas
// (see MeshBuilder.h) in a base colour, with a slight bevel so that the faces of a low-poly
// model read as separate plates.
enum class Surface {
    Plain,     // smooth paint with a little grain
    Cloth,     // woven fabric
    Plate,     // armour or sheet metal with a seam and rivets
    Face,      // a face: skin with eyes, brows and mouth
    Visor,     // dark glass with a highlight
    Bricks,    // masonry courses
    Planks,    // vertical boards
    RoofTiles, // overlapping rows of tiles
    Window,    // a lit window in a frame
    Door,      // a double door with a lintel
    Stripes,   // hazard stripes over the base colour
    Rock,      // rough stone
    Ore,       // metal ore: stone with glinting veins
    Oil,       // glossy black liquid with a sheen
    Tyre,      // rubber tread
    Grille,    // a vent grille
};

void paintTile(Image& atlas, int column, int row, Surface surface, Rgb base, uint32_t seed);
