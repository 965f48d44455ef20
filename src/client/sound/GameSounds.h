#pragma once

#include "client/sound/SoundSource.h"

#include <array>

// The game's sounds, loaded once and kept for the whole run.
constexpr int ResponseTableSize = 40; // two variants for each of 20 object types

extern SoundSource clickSound; // interface buttons and menu widgets
extern SoundSource swishSound; // menu buttons sliding in; only its buffer is used
// Indexed by object type * 2 + variant.
extern std::array<SoundSource, ResponseTableSize> selectResponses;
extern std::array<SoundSource, ResponseTableSize> moveAcknowledgements;

// The menu set-up's click and swish.
void loadMenuSounds();
// The loading sequence's unit responses of the Marine and the Worker.
void loadUnitResponses();

// Whether units answer their orders and selection at all (on unless the player switched them off).
void setUnitResponses(bool on);

// Each plays one of the type's two sounds, picked at random by the sounds' own generator; a type
// without sounds plays nothing, and nothing plays while unit responses are off.
void playSelectResponse(int type);
void playMoveAcknowledgement(int type);

void playClick();
