#include "SourceFiles.h"

#include <algorithm>
#include <filesystem>
#include <regex>

#include "framework/FileBytes.h"
#include "wiring/SourceText.h"

namespace fs = std::filesystem;
using namespace wiring;

std::vector<std::string> sortedSourceFiles(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file()) throw DataError(entry.path().string(), 0, "only source files belong here");
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string readSourceFile(const std::string& path, const std::string& shown) {
    FileBytes file = ReadFileBytes(path, MaxSourceBytes);
    if (!file.ok()) throw DataError(shown, 0, "cannot be read");
    if (file.tooLong(MaxSourceBytes))
        throw DataError(shown, 0, "the file is larger than " + std::to_string(MaxSourceBytes / 1024) + " KB");
    return std::move(file.bytes);
}

ConnectorSet loadConnectors(const std::string& folder) {
    ConnectorSet set;
    set.folder = folder;
    if (!fs::is_directory(folder)) return set;
    const std::regex pattern("(plug|pinouts)-([0-9]{3})\\.txt");
    std::vector<ConnectorText> files;
    for (const std::string& name : sortedSourceFiles(folder)) {
        std::smatch m;
        const std::string shown = folder + "/" + name;
        if (!std::regex_match(name, m, pattern)) throw DataError(shown, 0, "not a plug-NNN.txt or pinouts-NNN.txt name");
        const ConnectorKind kind = m[1] == "pinouts" ? ConnectorKind::Pinouts : ConnectorKind::Plug;
        files.push_back({kind, std::stoi(m[2]), shown, readSourceFile((fs::path(folder) / name).string(), shown)});
    }
    addConnectors(set, files);
    return set;
}
