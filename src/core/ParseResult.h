#pragma once

#include <optional>
#include <string>

// What a file parser gives back: the file's contents, or why it refused the file as a whole.
template <class T> struct ParseResult {
    std::optional<T> value;
    std::string error;

    explicit operator bool() const { return value.has_value(); }
};
