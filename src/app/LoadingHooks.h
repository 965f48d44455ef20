#pragma once

// Steps of the loading sequence that other parts of the game fill in. Each runs at its place in
// the sequence, after the progress line that announces it.
void startAudioDevice();    // the sound device, started by the menu set-up
void loadMenuArt();         // the menu textures
void loadMenuSoundFiles();  // the click and the swish
void loadPanelArt();        // the interface panel's textures, unit thumbnails and font
void loadGameWorld();       // the map "data\maps\motac.ktqw" with its piles and base centres
void loadModels();          // the model registry, which loads every model the game draws
void loadUnitSounds();      // the eight unit response sounds
void loadSelectionCircle(); // "data\textures\circle.png", black transparent, linear
