#pragma once

#include <charconv>
#include <optional>
#include <string>

// The whole text as a number of type T, or nothing (nothing may follow it).
template <typename T> std::optional<T> parseNumber(const std::string& text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}
