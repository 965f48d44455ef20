#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// The command line of the headless runner:
//   orvalen-sim [--seed N] [--frame-ms N] [--passes N] [--script FILE] [--dump]
struct SimOptions {
    std::optional<std::time_t> seed; // the calendar time the game reads; real time without it
    int32_t frameMilliseconds = 16;
    int32_t passes = 1000;
    std::string scriptPath; // empty: no script
    bool dump = false;

    static constexpr const char* Usage =
        "usage: orvalen-sim [--seed N] [--frame-ms N] [--passes N] [--script FILE] [--dump]";

    // The options, or nullopt with `error` saying what is wrong.
    static std::optional<SimOptions> parse(const std::vector<std::string>& arguments, std::string& error);
};
