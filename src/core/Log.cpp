#include "core/Log.h"

std::ofstream Log;

void openLog() {
    Log.close();
    Log.clear();
    Log.open("log.log", std::ios::out | std::ios::trunc);
}

void closeLog() {
    Log.close();
}
