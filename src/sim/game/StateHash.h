#pragma once

#include <cstdint>

// A fingerprint of the current game's state: its clock, its random numbers, every object's type,
// owner, place and hit points in list order, the shots in flight, and each side's stock,
// population, selection and outcome. Two games that agree on it agree on what will happen next as
// far as a replay can tell. Object addresses play no part, so it is the same in every process.
uint64_t hashGameState();
