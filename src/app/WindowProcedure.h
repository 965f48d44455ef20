#pragma once

#include "platform/Platform.h"

// The game window's procedure: size, activation, paint, close and text entry. Every other input
// is polled by the frame.
intptr_t windowProcedure(const platform::Message& message);
