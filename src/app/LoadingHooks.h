#pragma once

// Steps of the loading sequence that belong to other subsystems. Each runs at its place in the
// sequence, after the progress line that announces it.
void loadPanelArt();        // the interface panel's textures, unit thumbnails and font
void loadGameWorld();       // the map "data\maps\motac.ktqw" with its piles and base centres
void loadModels();          // the model registry, which loads every model the game draws
void loadSelectionCircle(); // "data\textures\circle.png", black transparent, linear
