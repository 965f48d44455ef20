#include "layering/LayeringCheck.h"

#include "layering/SourceScan.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <tuple>

namespace {

namespace fs = std::filesystem;

struct ScannedFile {
    std::string name;  // "src/files/Model.h"
    fs::path folder;   // "files"
    std::string layer; // the first folder under the root
    bool header;
    SourceScan scan;
};

bool isSource(const fs::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".h" || extension == ".hpp" || extension == ".cpp" || extension == ".cc" ||
           extension == ".c";
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<ScannedFile> scanTree(const fs::path& root) {
    const fs::path top = fs::canonical(root);
    std::vector<ScannedFile> files;
    for (const auto& entry : fs::recursive_directory_iterator(top)) {
        if (!entry.is_regular_file() || !isSource(entry.path()))
            continue;
        const fs::path relative = entry.path().lexically_relative(top);
        files.push_back({(top.filename() / relative).generic_string(), relative.parent_path(),
                         relative.begin()->string(), entry.path().extension().string().starts_with(".h"),
                         SourceScan::of(contents(entry.path()))});
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return files;
}

void checkIncludes(const ScannedFile& file, const Layers& layers, std::vector<LayeringFinding>& findings) {
    for (const SourceScan::Include& include : file.scan.includes) {
        const fs::path path = fs::path(include.path).lexically_normal();
        const std::string used = path.begin()->string();
        const std::string quoted = "\"" + include.path + "\"";
        if (!layers.contains(used) || std::next(path.begin()) == path.end())
            findings.push_back({file.name, include.line,
                                "includes " + quoted + ", which does not start with a library (" +
                                    layers.names() + "): include paths are written from src/"});
        else if (!layers.mayUse(file.layer, used))
            findings.push_back({file.name, include.line,
                                "includes " + quoted + " of " + used + ", but " + file.layer +
                                    " may include only " + layers.usable(file.layer)});
    }
}

struct Definition {
    const ScannedFile* file;
    int line;
};

// A header's functions are defined beside it, so a reader finds them and the folder owns them.
void checkDefinitions(const std::vector<ScannedFile>& files, std::vector<LayeringFinding>& findings) {
    std::multimap<std::string, Definition> definitions;
    for (const ScannedFile& file : files)
        if (!file.header)
            for (const SourceScan::Function& function : file.scan.definitions)
                definitions.insert({function.name, {&file, function.line}});
    for (const ScannedFile& header : files) {
        if (!header.header)
            continue;
        for (const SourceScan::Function& declared : header.scan.declarations) {
            const auto [first, last] = definitions.equal_range(declared.name);
            for (auto definition = first; definition != last; ++definition) {
                const ScannedFile& defining = *definition->second.file;
                if (defining.folder != header.folder)
                    findings.push_back({header.name, declared.line,
                                        "declares " + declared.name + ", which " + defining.name + ":" +
                                            std::to_string(definition->second.line) +
                                            " defines: a header's functions are defined in its own folder"});
            }
        }
    }
}

} // namespace

std::vector<LayeringFinding> checkLayering(const std::filesystem::path& root, const Layers& layers) {
    const std::vector<ScannedFile> files = scanTree(root);
    std::vector<LayeringFinding> findings;
    for (const ScannedFile& file : files) {
        if (layers.contains(file.layer) && !file.folder.empty())
            checkIncludes(file, layers, findings);
        else
            findings.push_back({file.name, 1, "is in no library's folder (" + layers.names() + ")"});
    }
    checkDefinitions(files, findings);
    std::stable_sort(findings.begin(), findings.end(), [](const auto& a, const auto& b) {
        return std::tie(a.file, a.line) < std::tie(b.file, b.line);
    });
    return findings;
}
