#pragma once

#include <functional>
#include <string>

// Draws and presents one loading frame: "message (percent %)" in the menu font, in the lower-right
// corner of an otherwise cleared window. Presented at once, since no messages run while loading.
void showLoadingProgress(const std::string& message, int percent);

// Called with every progress line as it is shown; tests follow the loading order through it.
extern std::function<void(const std::string& message, int percent)> loadingProgressListener;
