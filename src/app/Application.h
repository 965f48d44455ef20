#pragma once

#include "app/GameOptions.h"

#include <string>

extern const std::string ApplicationTitle;

// The whole life of the program: the single-instance guard, the window, the context with its
// loading sequence, the game set-up, the main loop and the shutdown. Returns the exit status.
int runApplication(const GameOptions& options);
