#include "SourceSet.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>

#include <fstream>
#include <sstream>

#include "CableFolder.h"
#include "OutputSet.h"
#include "cables/CableTable.h"
#include "datafiles/ThreeDigits.h"
#include "wiring/SketchSource.h"
#include "wiring/SourceText.h"

namespace fs = std::filesystem;
using namespace wiring;

namespace {

std::vector<std::string> sortedFiles(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file()) throw DataError(entry.path().string(), 0, "only source files belong here");
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void readConnectors(const fs::path&, const std::string& shownFolder, SourceSet& set) {
    set.connectors = loadConnectors(shownFolder);
}

// data/sketches: free drawings named after the file they make: plug-NNN.txt, pinouts-NNN.txt,
// cable-NNN.txt, notes-NNN.txt, and logo.txt for the print logo.
void readSketches(const fs::path& folder, const std::string& shownFolder, SourceSet& set) {
    const std::regex pattern("(plug|pinouts|cable|notes)-([0-9]{3})\\.txt");
    for (const std::string& name : sortedFiles(folder)) {
        SketchFile file;
        file.shown = shownFolder + "/" + name;
        std::smatch m;
        if (name == "logo.txt") {
            file.path = logoDataPath();
            file.kind = DrawingKind::Logo;
        } else if (std::regex_match(name, m, pattern)) {
            const int number = std::stoi(m[2]);
            const std::string what = m[1];
            const char* prefix = what == "plug" ? DataPrefix::Plug
                                 : what == "pinouts" ? DataPrefix::Pinouts
                                 : what == "cable" ? DataPrefix::Cable
                                                   : DataPrefix::Notes;
            file.path = dataPath(prefix, number);
            if (what == "notes") file.kind = DrawingKind::Notes;
        } else {
            throw DataError(file.shown, 0, "not a plug-, pinouts-, cable- or notes-NNN.txt or logo.txt name");
        }
        file.sketch = parseSketch(splitSourceText(readSourceFile((folder / name).string(), file.shown), file.shown));
        set.sketches.push_back(std::move(file));
    }
}

// The cables come after the connectors they are checked against.
void readCables(const fs::path& folder, const std::string& shownFolder, SourceSet& set) {
    set.cables = loadCables(folder, shownFolder, set.connectors);
}

struct SourceFolder {
    const char* name;
    std::function<void(const fs::path&, const std::string&, SourceSet&)> read;
};

// One row per kind of source, in the order they are read.
const SourceFolder Folders[] = {
    {"connectors", readConnectors},
    {"sketches", readSketches},
    {"cables", readCables},
};

}  // namespace

const CableSource& SourceSet::cable(int number) const {
    auto found = cables.find(number);
    if (found == cables.end())
        throw DataError((fs::path(root) / "cables").string() + "/cable-" + ThreeDigits(number) + ".txt", 0, "no such cable source");
    return found->second;
}

ConnectorSet loadConnectors(const std::string& folder) {
    ConnectorSet set;
    set.folder = folder;
    if (!fs::is_directory(folder)) return set;
    const std::regex pattern("(plug|pinouts)-([0-9]{3})\\.txt");
    std::vector<ConnectorText> files;
    for (const std::string& name : sortedFiles(folder)) {
        std::smatch m;
        const std::string shown = folder + "/" + name;
        if (!std::regex_match(name, m, pattern)) throw DataError(shown, 0, "not a plug-NNN.txt or pinouts-NNN.txt name");
        const ConnectorKind kind = m[1] == "pinouts" ? ConnectorKind::Pinouts : ConnectorKind::Plug;
        files.push_back({kind, std::stoi(m[2]), shown, readSourceFile((fs::path(folder) / name).string(), shown)});
    }
    addConnectors(set, files);
    return set;
}

SourceSet loadSourceSet(const std::string& sourceDir) {
    const fs::path root(sourceDir);
    if (!fs::is_directory(root)) throw DataError(sourceDir, 0, "no such source folder");
    for (const fs::directory_entry& entry : fs::directory_iterator(root)) {
        if (!entry.is_directory()) continue;  // README.md and other notes for people
        const std::string name = entry.path().filename().string();
        const bool known = std::any_of(std::begin(Folders), std::end(Folders),
                                       [&name](const SourceFolder& f) { return name == f.name; });
        if (!known) throw DataError((root / name).string(), 0, "unknown source folder");
    }
    SourceSet set;
    set.root = sourceDir;
    set.connectors.folder = (root / "connectors").string();
    for (const SourceFolder& folder : Folders) {
        const fs::path path = root / folder.name;
        if (fs::is_directory(path)) folder.read(path, path.string(), set);
    }
    return set;
}

std::string readSourceFile(const std::string& path, const std::string& shown) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DataError(shown, 0, "cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
