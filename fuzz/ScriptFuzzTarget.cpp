// A script of orders through the reader orvalen --script and orvalen-sim --script use: every refusal
// names its line, and no line gives more than one order.
#include "FuzzTarget.h"

#include "sim/game/OrderScript.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto script = OrderScript::parse(text, error);
    if (!script) {
        require(error.starts_with("line "), "a refusal names its line");
        return 0;
    }
    std::size_t lines = 0;
    for (const char c : text)
        lines += c == '\n';
    require(script->size() <= lines + 1, "at most one order a line");
    return 0;
}
