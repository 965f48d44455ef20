#pragma once

#include <string>
#include <vector>

// What the layering check needs from one C++ source file. It reads the file as tokens with
// comments, literals and preprocessor lines removed, and tracks namespaces, classes and bodies;
// it does not resolve overloads or macros, which the code under src/ keeps simple enough.
struct SourceScan {
    struct Include {
        std::string path; // as written between the quotes
        int line;
    };
    struct Function {
        std::string name; // qualified by its namespaces and classes: "platform::Window::show"
        int line;
    };

    std::vector<Include> includes;      // #include "..." only; <...> are outside src/
    std::vector<Function> declarations; // declared, not defined, outside any function body
    std::vector<Function> definitions;  // defined with external linkage

    static SourceScan of(const std::string& text);
};
