#include "client/render/Fonts.h"

Font interfaceFont;
Font menuFont;

bool loadInterfaceFont() {
    return loadFont(interfaceFont, "data\\fonts\\arial.ttf", 32);
}

bool loadMenuFont() {
    return loadFont(menuFont, "data\\fonts\\hyperion.ttf", 48);
}
