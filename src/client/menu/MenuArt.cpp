#include "client/menu/MenuArt.h"

MenuArt menuArt;

namespace {

constexpr TextureFilter Linear = 1;
constexpr uint32_t Black = 0;

void loadKeyed(Texture& texture, const std::string& name) {
    loadColorKeyedTexture(texture, "data\\textures\\menu\\" + name, Black, Linear);
}

bool loadPlain(Texture& texture, const std::string& name) {
    return texture.load("data\\textures\\menu\\" + name, Linear);
}

bool backgroundUnavailable = false;

} // namespace

void loadMenuArt() {
    loadKeyed(menuArt.buttonOn, "button_on.bmp");
    loadKeyed(menuArt.buttonOff, "button_off.bmp");
    loadKeyed(menuArt.boxEdge, "box_edge.bmp");
    loadKeyed(menuArt.checkboxOn, "checkboxon.bmp");
    loadKeyed(menuArt.checkboxOff, "checkboxoff.bmp");
    loadKeyed(menuArt.fieldEdge, "combobox_edge.bmp");
    loadKeyed(menuArt.arrowDown, "arrowdown.bmp");
    loadKeyed(menuArt.slider, "slider.bmp");
    loadKeyed(menuArt.sliderBar, "sliderbar.bmp");
    loadPlain(menuArt.boxBorder, "box_border.bmp");
    loadPlain(menuArt.fieldBorder, "combobox_border.bmp");
    backgroundUnavailable = false;
    holdMenuBackground(true);
}

void holdMenuBackground(bool menuShown) {
    if (!menuShown)
        menuArt.background.release();
    else if (menuArt.background.id == 0 && !backgroundUnavailable)
        backgroundUnavailable = !loadPlain(menuArt.background, "menu_bg.png");
}
