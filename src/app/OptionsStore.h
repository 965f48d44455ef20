#pragma once

#include "files/OptionsFile.h"

#include <string>

// The player's options file, "options.conf" in $XDG_CONFIG_HOME/orvalen (else ~/.config/orvalen):
// read at start, written whenever an option changes.
class OptionsStore {
public:
    // Where the file is; empty when neither folder is known.
    static std::string defaultPath();

    explicit OptionsStore(std::string path) : path(std::move(path)) {}

    // The file's options; a missing file gives the defaults and nothing to say.
    OptionsReading read() const;
    // Writes the options to a temporary file beside it and renames that over the file, so the file
    // is whole at every moment. False when it cannot.
    bool write(const PlayerOptions& options) const;

    const std::string& where() const { return path; }

private:
    std::string path;
};
