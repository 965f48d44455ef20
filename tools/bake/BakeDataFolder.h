#pragma once

#include <filesystem>

// Writes the game's whole data folder into `dataFolder` (what the game reads as "data\..."):
// the maps, each with its picture for the menu, and their ground textures, the ten models and
// their skins, the sky, the interface and menu art, the fonts and the sounds. Beside the folder
// it writes two pictures for people, map-preview.png (motac's) and models-preview.png, and the
// desktop's icons under icons/ (the hicolor theme's layout: icons/48x48/apps/orvalen.png ...).
// Deterministic: every bake writes the same bytes. Throws std::runtime_error on failure.
void bakeDataFolder(const std::filesystem::path& dataFolder);
