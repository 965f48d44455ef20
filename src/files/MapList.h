#pragma once

#include <string>
#include <vector>

// The maps a player can choose: every ".ktqw" in data\maps, as the game names them
// ("data\maps\motac.ktqw"), in the order of their file names. None when the folder is missing.
std::vector<std::string> listMaps();

// What the menu calls a map: its file name without the extension, each word capitalised and the
// dashes made blanks ("river-fords" is "River Fords").
std::string mapTitle(const std::string& mapPath);

// The preview picture the baker writes beside a map: the same name with ".bmp".
std::string mapPreviewPath(const std::string& mapPath);
