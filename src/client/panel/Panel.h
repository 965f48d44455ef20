#pragma once

#include "client/panel/PanelButtons.h"
#include "client/render/Texture.h"
#include "sim/objects/WorldObjectType.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The interface panel along the bottom of the game window, drawn over the scene in 2-D mode (window
// pixels, origin at the lower left). Its width follows ClientWidth.

// The panel art, one thumbnail per object type, the interface font and the two training buttons
// (hidden until the selection shows one).
void loadPanel();

// The object type's thumbnail in its owner's colour; an empty texture for a type outside 0 to 10.
const Texture& thumbnailOf(WorldObjectType type, int32_t owner);

// The mouse in window pixels and the left button, read once a frame (it remembers the last frame's
// button): on the frames that read a press or a release, where it was made.
PanelMouse readPanelMouse();

// The artwork, the command buttons with their press and click rules and the description of the
// one under the mouse, and player 1's resources, the player's name under them when one is set.
void drawPanel(const PanelMouse& mouse);

// The name the player gave in the options, shown on the panel and the end banner; none by default.
void setPanelPlayerName(const std::optional<std::string>& name);
const std::optional<std::string>& panelPlayerName();

// The read-out of the one selected object: its picture, name, "hit points/maximum" and state.
void drawSelectedObject(WorldObjectType type, int32_t owner, const std::string& name, int32_t hitPoints,
                        int32_t maxHitPoints, const std::string& state);

// The small picture of the index-th selected object on a 35-pixel grid that fills rows left to right
// from the row whose top is at y = 100 and goes down.
void drawSelectionThumbnail(WorldObjectType type, int32_t owner, int index);

// A training building's queue to the right of its read-out: a small picture of each queued unit,
// the first over a bar of its training's progress (0 to 1).
void drawTrainingQueue(const std::vector<WorldObjectType>& queued, int32_t owner, double progress);
