#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The entry point libFuzzer calls with every input, and the regression runner with every kept file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Stops the process, naming the broken promise, so the fuzzer keeps the input that broke it.
inline void require(bool holds, const char* promise) {
    if (holds)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}
