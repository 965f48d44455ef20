#include "app/Application.h"
#include "app/GameOptions.h"
#include "core/CommandLine.h"

#include <iostream>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr int UsageError = 2;

const char* const Usage = "usage: orvalen [--help | --version | --replay FILE]\n"
                          "       orvalen [--enemy-marines N] [--map FILE] [--opponent computer|none]\n"
                          "               [--script FILE]\n";

const std::string Help = std::string(Usage) +
                         "\n"
                         "Orvalen, a real-time strategy game. Without arguments it opens its window, reads\n"
                         "its data from the folder data/ in the current folder and writes log.log there.\n"
                         "The launcher installed with the game starts it in $XDG_STATE_HOME/orvalen (else\n"
                         "~/.local/state/orvalen), where data/ points at the installed data.\n"
                         "\n"
                         "  --help              print this help and exit\n"
                         "  --version           print the version and exit\n"
                         "  --enemy-marines N   the enemy starts with N Marines (0 to " +
                         std::to_string(MostEnemyMarines) + ") instead of " +
                         std::to_string(StandardEnemyMarines) +
                         "\n"
                         "  --map FILE          play a skirmish on the map FILE (a .ktqw file): both sides\n"
                         "                      start at their bases with four Workers, and a side with no\n"
                         "                      building left has lost\n"
                         "  --opponent computer|none\n"
                         "                      play a skirmish against the computer (the default) or\n"
                         "                      nobody, on data/maps/motac.ktqw unless --map names another\n"
                         "  --replay FILE       show a recorded game again; every game is recorded in the\n"
                         "                      folder replays/ beside log.log\n"
                         "  --script FILE       give the orders in FILE as the game goes, as orvalen-sim\n"
                         "                      reads them (<pass> <player> <command> <arguments>), the\n"
                         "                      frames counting as passes\n";

} // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // The software renderer allocates and frees a half-megabyte buffer every frame. After the first
    // such free glibc would serve it from the heap instead, which then grew with fragmentation by
    // several megabytes over an hour's play; a fixed threshold keeps every buffer of 128 KiB or more
    // mapped on its own and returned when freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (answeredHelpOrVersion(arguments, "orvalen", Help))
        return 0;
    std::string error;
    const std::optional<GameOptions> options = GameOptions::parse(arguments, error);
    if (!options) {
        std::cerr << "orvalen: " << error << "\n" << Usage;
        return UsageError;
    }
    return runApplication(*options);
}
