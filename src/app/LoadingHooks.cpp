#include "app/LoadingHooks.h"

void startAudioDevice() {}
void loadMenuArt() {}
void loadMenuSoundFiles() {}
void loadPanelArt() {}
void loadGameWorld() {}
void loadModels() {}
void loadUnitSounds() {}
void loadSelectionCircle() {}
