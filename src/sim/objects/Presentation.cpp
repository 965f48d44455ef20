#include "sim/objects/Presentation.h"

namespace {
Presentation silent;
Presentation* current = &silent;
} // namespace

Presentation& presentation() {
    return *current;
}

void setPresentation(Presentation* installed) {
    current = installed ? installed : &silent;
}
