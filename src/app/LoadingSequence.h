#pragma once

// Loads everything the game needs before the first frame, behind the progress screen. Runs once,
// inside context creation, before the game set-up: it writes nothing to the log.
void runLoadingSequence();
