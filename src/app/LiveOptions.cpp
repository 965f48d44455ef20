#include "app/LiveOptions.h"

#include "client/menu/MenuOptions.h"
#include "client/menu/MenuScreen.h"
#include "client/panel/Panel.h"
#include "client/render/BackdropCache.h"
#include "client/render/Shadows.h"
#include "client/render/Texture.h"
#include "client/sound/GameSounds.h"
#include "client/sound/SoundSystem.h"
#include "core/Input.h"
#include "core/Log.h"

namespace {

TextureSampling samplingOf(const PlayerOptions& options) {
    const auto finest = 2 - static_cast<int>(options.textureQuality); // High draws the full picture
    return {finest, options.textureFiltering == PlayerOptions::TextureFiltering::Trilinear};
}

} // namespace

LiveOptions& liveOptions() {
    static LiveOptions options;
    return options;
}

void LiveOptions::load(OptionsStore file) {
    store = std::move(file);
    OptionsReading reading = store.read();
    options = reading.options;
    for (std::string& complaint : reading.complaints)
        trouble.push_back("OPTIONS " + store.where() + ": " + complaint);
}

platform::WindowShape LiveOptions::windowShape() const {
    platform::WindowShape shape;
    if (options.resolution) {
        shape.width = options.resolution->width;
        shape.height = options.resolution->height;
    }
    shape.fullscreen = options.fullscreen;
    return shape;
}

void LiveOptions::applyAtStart() {
    const platform::Rect client = platform::clientRect();
    showOptions(options, {client.right - client.left, client.bottom - client.top}, defaultPlayerName());
    apply(nullptr); // the window was made in its shape
    started = true;
}

void LiveOptions::reportTrouble() {
    for (const std::string& line : trouble)
        Log << line << std::endl;
    trouble.clear();
}

void LiveOptions::follow() {
    if (!started)
        return;
    const PlayerOptions shown = optionsShown(options);
    if (shown == options)
        return;
    const PlayerOptions before = options;
    options = shown;
    apply(&before);
    save();
}

// What changed since `before`, or everything but the window's shape without it: the window
// reshaped, the textures sampled anew, the sound's loudness set.
void LiveOptions::apply(const PlayerOptions* before) {
    const auto changed = [&](auto member) { return !before || options.*member != before->*member; };
    if (before && (changed(&PlayerOptions::fullscreen) || changed(&PlayerOptions::resolution)))
        platform::setWindowShape(windowShape());
    if (!before || samplingOf(options) != samplingOf(*before)) {
        setTextureSampling(samplingOf(options));
        backdropCache.forget(); // the kept ground was sampled the old way
    }
    if (changed(&PlayerOptions::soundVolume))
        setSoundVolume(options.soundVolume);
    setUnitResponses(options.unitResponses);
    setShadows(options.shadows);
    setPanelPlayerName(options.playerName);
    MouseButtonsSwapped = options.invertMouse;
}

void LiveOptions::save() {
    if (store.write(options) || writeFailed)
        return;
    writeFailed = true;
    Log << "OPTIONS couldn't write " << store.where() << ": the options stay as they are for this game"
        << std::endl;
}
