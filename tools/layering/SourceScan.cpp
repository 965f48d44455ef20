#include "layering/SourceScan.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

namespace {

struct Token {
    std::string text;
    int line;
};
using Tokens = std::vector<Token>;

bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool isWord(const std::string& text) {
    return !text.empty() && (std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_');
}

// Words that may stand before a parenthesis without naming a function.
const std::set<std::string> notFunctionNames = {
    "void",     "bool",   "char", "int",    "long",     "short",  "float",         "double",
    "unsigned", "signed", "auto", "const",  "decltype", "sizeof", "alignas",       "noexcept",
    "if",       "while",  "for",  "switch", "return",   "throw",  "static_assert", "__attribute__"};

class Tokenizer {
public:
    explicit Tokenizer(const std::string& text) : text_(text) {}

    Tokens run() {
        bool lineStart = true;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '\n') {
                lineStart = true;
                newLine();
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++at_;
            } else if (c == '#' && lineStart) {
                skipPreprocessorLine();
            } else {
                lineStart = false;
                readToken();
            }
        }
        return tokens_;
    }

private:
    void newLine() {
        ++line_;
        ++at_;
    }

    bool startsWith(const char* what) const { return text_.compare(at_, std::strlen(what), what) == 0; }

    void skipPreprocessorLine() {
        while (at_ < text_.size() && text_[at_] != '\n') {
            if (text_[at_] == '\\' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n')
                ++line_, ++at_;
            ++at_;
        }
    }

    void readToken() {
        const char c = text_[at_];
        if (startsWith("//")) {
            while (at_ < text_.size() && text_[at_] != '\n')
                ++at_;
        } else if (startsWith("/*")) {
            at_ += 2;
            while (at_ < text_.size() && !startsWith("*/"))
                text_[at_] == '\n' ? newLine() : void(++at_);
            at_ += 2;
        } else if (c == '"' || c == '\'') {
            skipLiteral(c);
        } else if (isWordChar(c)) {
            const std::size_t start = at_;
            // A number's digit separators are part of it, not a character literal.
            const bool number = std::isdigit(static_cast<unsigned char>(c));
            while (at_ < text_.size() && (isWordChar(text_[at_]) || (number && text_[at_] == '\'')))
                ++at_;
            push(text_.substr(start, at_ - start));
        } else if (startsWith("::") || startsWith("->")) {
            push(text_.substr(at_, 2));
            at_ += 2;
        } else {
            push(std::string(1, c));
            ++at_;
        }
    }

    void skipLiteral(char quote) {
        const int line = line_;
        for (++at_; at_ < text_.size() && text_[at_] != quote && text_[at_] != '\n'; ++at_)
            if (text_[at_] == '\\')
                ++at_;
        ++at_;
        tokens_.push_back({std::string(2, quote), line});
    }

    void push(std::string text) { tokens_.push_back({std::move(text), line_}); }

    const std::string& text_;
    std::size_t at_ = 0;
    int line_ = 1;
    Tokens tokens_;
};

// "Type::name" from the name's last token back over its qualifiers, up to (not including) end.
SourceScan::Function qualifiedName(const Tokens& statement, std::size_t last, std::size_t end) {
    std::size_t begin = last;
    if (begin >= 1 && statement[begin - 1].text == "~")
        --begin;
    while (begin >= 2 && statement[begin - 1].text == "::" && isWord(statement[begin - 2].text))
        begin -= 2;
    std::string name;
    for (std::size_t k = begin; k < end; ++k)
        name += statement[k].text;
    return {name, statement[last].line};
}

// One past the last token of "operator()", "operator==", "operator bool" ...
std::size_t operatorEnd(const Tokens& statement, std::size_t at) {
    std::size_t end = at + 1;
    if (end + 1 < statement.size() && statement[end].text == "(" && statement[end + 1].text == ")")
        return end + 2;
    while (end < statement.size() && statement[end].text != "(")
        ++end;
    return end;
}

// The function a declaration or a definition's head names, if it names one: the qualified name
// before the first parenthesis that is not inside template arguments.
std::optional<SourceScan::Function> functionNamed(const Tokens& statement) {
    int angles = 0;
    for (std::size_t k = 0; k < statement.size(); ++k) {
        const std::string& text = statement[k].text;
        if (text == "operator")
            return qualifiedName(statement, k, operatorEnd(statement, k));
        if (text == "<" && k > 0 && isWord(statement[k - 1].text)) {
            ++angles;
        } else if (text == ">" && angles > 0) {
            --angles;
        } else if (angles > 0) {
            continue;
        } else if (text == "=") {
            return std::nullopt; // a variable and its initialiser
        } else if (text == "(") {
            const std::string& before = k > 0 ? statement[k - 1].text : "";
            if (!isWord(before) || notFunctionNames.contains(before))
                return std::nullopt;
            return qualifiedName(statement, k - 1, k);
        }
    }
    return std::nullopt;
}

// Namespaces and classes open around the current token, and the bodies skipped inside them.
class ScopeWalker {
public:
    explicit ScopeWalker(SourceScan& scan) : scan_(scan) {}

    void walk(const Tokens& tokens) {
        Tokens statement;
        int parentheses = 0; // a default argument's braces belong to its declaration
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const std::string& text = tokens[i].text;
            if (!scopes_.empty() && scopes_.back().kind == Scope::Body) {
                if (text == "{")
                    scopes_.push_back({Scope::Body, "", false});
                else if (text == "}")
                    scopes_.pop_back();
            } else if (parentheses > 0 || text == "(" || text == ")") {
                parentheses += text == "(" ? 1 : text == ")" ? -1 : 0;
                statement.push_back(tokens[i]);
            } else if (text == "{") {
                if (initialisesAMember(statement)) {
                    i = matchingBrace(tokens, i);
                    statement.push_back({"}", tokens[i].line});
                    continue;
                }
                open(statement);
                statement.clear();
            } else if (text == "}") {
                if (!scopes_.empty())
                    scopes_.pop_back();
                statement.clear();
            } else if (text == ";") {
                declare(statement);
                statement.clear();
            } else if (text == ":" && statement.size() == 1 &&
                       (statement[0].text == "public" || statement[0].text == "private" ||
                        statement[0].text == "protected")) {
                statement.clear();
            } else {
                statement.push_back(tokens[i]);
            }
        }
    }

private:
    struct Scope {
        enum Kind { Namespace, Class, Body } kind;
        std::string name; // empty for an anonymous namespace and extern "C"
        bool internal;    // inside an anonymous namespace
    };

    static std::size_t matchingBrace(const Tokens& tokens, std::size_t open) {
        int depth = 0;
        for (std::size_t i = open; i < tokens.size(); ++i) {
            depth += tokens[i].text == "{" ? 1 : tokens[i].text == "}" ? -1 : 0;
            if (depth == 0)
                return i;
        }
        return tokens.size() - 1;
    }

    // "Type::Type() : member{value}": the brace belongs to the initialiser list, not the body.
    static bool initialisesAMember(const Tokens& statement) {
        if (statement.empty() || !(isWord(statement.back().text) || statement.back().text == ">"))
            return false;
        for (std::size_t k = 1; k < statement.size(); ++k)
            if (statement[k].text == ":" && statement[k - 1].text == ")")
                return true;
        return false;
    }

    static Tokens withoutTemplateHead(const Tokens& statement) {
        std::size_t start = 0;
        if (!statement.empty() && statement[0].text == "template") {
            int angles = 0;
            for (start = 1; start < statement.size(); ++start) {
                angles += statement[start].text == "<" ? 1 : statement[start].text == ">" ? -1 : 0;
                if (angles == 0)
                    break;
            }
            ++start;
        }
        return Tokens(statement.begin() + std::min(start, statement.size()), statement.end());
    }

    bool internal() const { return !scopes_.empty() && scopes_.back().internal; }

    std::string qualified(const std::string& name) const {
        std::string prefix;
        for (const Scope& scope : scopes_)
            if (!scope.name.empty())
                prefix += scope.name + "::";
        return prefix + name;
    }

    static bool has(const Tokens& statement, const std::string& word) {
        for (const Token& token : statement)
            if (token.text == word)
                return true;
        return false;
    }

    void open(const Tokens& whole) {
        const Tokens statement = withoutTemplateHead(whole);
        const std::string first = statement.empty() ? "" : statement[0].text;
        if (first == "namespace") {
            std::string name;
            for (std::size_t k = 1; k < statement.size(); ++k)
                name += statement[k].text;
            scopes_.push_back({Scope::Namespace, name, internal() || name.empty()});
        } else if (first == "extern" && statement.size() == 2) {
            scopes_.push_back({Scope::Namespace, "", internal()});
        } else if (const auto name = className(statement)) {
            scopes_.push_back({Scope::Class, *name, internal()});
        } else {
            const auto function = functionNamed(statement);
            if (function && !internal() && first != "static")
                scan_.definitions.push_back({qualified(function->name), function->line});
            scopes_.push_back({Scope::Body, "", internal()});
        }
    }

    static std::optional<std::string> className(const Tokens& statement) {
        if (statement.empty() || statement[0].text == "enum" || has(statement, "(") || has(statement, "="))
            return std::nullopt;
        for (std::size_t k = 0; k + 1 < statement.size(); ++k) {
            const std::string& text = statement[k].text;
            if ((text == "class" || text == "struct" || text == "union") && isWord(statement[k + 1].text))
                return statement[k + 1].text;
        }
        return std::nullopt;
    }

    void declare(const Tokens& whole) {
        const Tokens statement = withoutTemplateHead(whole);
        if (statement.empty() || internal())
            return;
        const std::string& first = statement[0].text;
        if (first == "using" || first == "typedef" || first == "friend" || first == "static_assert")
            return;
        if (const auto function = functionNamed(statement))
            scan_.declarations.push_back({qualified(function->name), function->line});
    }

    SourceScan& scan_;
    std::vector<Scope> scopes_;
};

std::vector<SourceScan::Include> includesOf(const std::string& text) {
    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<SourceScan::Include> includes;
    std::istringstream lines(text);
    std::string line;
    std::smatch match;
    for (int number = 1; std::getline(lines, line); ++number)
        if (std::regex_search(line, match, include))
            includes.push_back({match[1], number});
    return includes;
}

} // namespace

SourceScan SourceScan::of(const std::string& text) {
    SourceScan scan;
    scan.includes = includesOf(text);
    ScopeWalker(scan).walk(Tokenizer(text).run());
    return scan;
}
