#pragma once

#include <string>
#include <vector>

// The version every Orvalen program reports: the project's version, as the build sets it.
extern const char* const OrvalenVersion;

// The two questions every Orvalen program answers alike: a first argument of --help (or -h)
// prints `help` on standard output, one of --version prints "<program> <version>". Returns
// whether it answered; the program then exits with status 0.
bool answeredHelpOrVersion(const std::vector<std::string>& arguments, const std::string& program,
                           const std::string& help);
