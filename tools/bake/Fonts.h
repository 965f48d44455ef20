#pragma once

#include <filesystem>

// Copies the game's two fonts from Debian's font packages into `folder`, each with its licence
// beside it: Liberation Sans as arial.ttf (the interface) and League Spartan Bold as
// hyperion.ttf (the menu; FreeType reads its OpenType outlines whatever the file is called).
// Throws when a package is not installed.
void copyFonts(const std::filesystem::path& folder);
