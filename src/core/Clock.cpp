#include "core/Clock.h"

#include <chrono>

namespace {

uint32_t steadyTick() {
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::function<uint32_t()>& tickSource() {
    static std::function<uint32_t()> source = steadyTick;
    return source;
}

std::time_t calendarTime() {
    return std::time(nullptr);
}

std::function<std::time_t()>& calendarSource() {
    static std::function<std::time_t()> source = calendarTime;
    return source;
}

} // namespace

uint32_t currentTick() {
    return tickSource()();
}
std::time_t currentTime() {
    return calendarSource()();
}

void setTickSource(std::function<uint32_t()> source) {
    tickSource() = source ? std::move(source) : steadyTick;
}
void setCalendarSource(std::function<std::time_t()> source) {
    calendarSource() = source ? std::move(source) : calendarTime;
}
