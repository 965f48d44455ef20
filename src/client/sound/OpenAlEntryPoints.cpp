#include "client/sound/OpenAlEntryPoints.h"

#include "platform/Platform.h"

namespace {

void* OpenAlLibrary = nullptr;

template <typename Function> bool fetch(const char* name, Function& slot) {
    slot = reinterpret_cast<Function>(platform::libraryFunction(OpenAlLibrary, name));
    if (slot)
        return true;
    platform::debugOutput(std::string("Failed to retrieve '") + name + "' function address\n");
    return false;
}

} // namespace

bool loadOpenAlLibrary(OpenAlEntryPoints& table, const std::string& libraryName) {
    OpenAlLibrary = platform::loadLibrary(libraryName);
    if (!OpenAlLibrary)
        return false;
    table = OpenAlEntryPoints{};
    // In the record's order, stopping at the first name the library lacks.
#define ORVALEN_OPENAL_FETCH(name) &&fetch(#name, table.name)
    return true ORVALEN_OPENAL_ENTRY_POINTS(ORVALEN_OPENAL_FETCH);
#undef ORVALEN_OPENAL_FETCH
}

void unloadOpenAlLibrary() {
    platform::freeLibrary(OpenAlLibrary);
    OpenAlLibrary = nullptr;
}
