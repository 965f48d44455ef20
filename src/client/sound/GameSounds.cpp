#include "client/sound/GameSounds.h"

#include "core/Clock.h"
#include "core/RandomGenerator.h"
#include "sim/objects/WorldObjectType.h"

SoundSource clickSound;
SoundSource swishSound;
std::array<SoundSource, ResponseTableSize> selectResponses;
std::array<SoundSource, ResponseTableSize> moveAcknowledgements;

namespace {
bool unitResponses = true;
} // namespace

namespace {

// Response table entries: object type * 2 + variant.
constexpr int MarineEntry = TypeMarine * 2;
constexpr int WorkerEntry = TypeWorker * 2;

// Seeded from the time at the first response, so the variants differ from game to game.
RandomGenerator& variantRandom() {
    static RandomGenerator random(static_cast<uint32_t>(currentTime()));
    return random;
}

void playResponse(const std::array<SoundSource, ResponseTableSize>& table, int type) {
    const int variant = variantRandom().next() % 2;
    if (type >= 0 && type < ResponseTableSize / 2)
        playSound(table[static_cast<size_t>(type * 2 + variant)]);
}

} // namespace

void loadMenuSounds() {
    loadSound(clickSound, "data\\sounds\\menu\\gui_click.wav");
    loadSound(swishSound, "data\\sounds\\menu\\swish.wav");
}

void loadUnitResponses() {
    loadSound(selectResponses[MarineEntry], "data\\sounds\\unit_responses\\marine_select1.wav");
    loadSound(selectResponses[MarineEntry + 1], "data\\sounds\\unit_responses\\marine_select2.wav");
    loadSound(moveAcknowledgements[MarineEntry], "data\\sounds\\unit_responses\\marine_move1.wav");
    loadSound(moveAcknowledgements[MarineEntry + 1], "data\\sounds\\unit_responses\\marine_move2.wav");
    loadSound(selectResponses[WorkerEntry], "data\\sounds\\unit_responses\\worker_select1.wav");
    loadSound(selectResponses[WorkerEntry + 1], "data\\sounds\\unit_responses\\worker_select2.wav");
    loadSound(moveAcknowledgements[WorkerEntry], "data\\sounds\\unit_responses\\worker_move1.wav");
    loadSound(moveAcknowledgements[WorkerEntry + 1], "data\\sounds\\unit_responses\\worker_move2.wav");
}

void setUnitResponses(bool on) {
    unitResponses = on;
}

void playSelectResponse(int type) {
    if (unitResponses)
        playResponse(selectResponses, type);
}

void playMoveAcknowledgement(int type) {
    if (unitResponses)
        playResponse(moveAcknowledgements, type);
}

void playClick() {
    playSound(clickSound);
}
