#pragma once

#include "Image.h"
#include "ImageFile.h"

#include <string>

// A picture and the file name it is written under.
struct NamedPicture {
    std::string fileName;
    Image picture;
    Transparency transparency = Transparency::None; // how the file must be saved
};
