#pragma once

#include <string>
#include <vector>

// The subcommands of orvalen-tool, one source file each. Each gets the arguments after its name
// and returns the process's exit code.
int runInfo(const std::vector<std::string>& arguments);
int runBake(const std::vector<std::string>& arguments);
int runRenderModel(const std::vector<std::string>& arguments);
