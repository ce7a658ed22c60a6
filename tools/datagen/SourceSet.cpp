#include "SourceSet.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>

#include "CableFolder.h"
#include "OutputSet.h"
#include "cables/CableTable.h"
#include "datafiles/ThreeDigits.h"
#include "wiring/SketchSource.h"
#include "wiring/SourceText.h"

namespace fs = std::filesystem;
using namespace wiring;

namespace {

void readConnectors(const fs::path&, const std::string& shownFolder, SourceSet& set) {
    set.connectors = loadConnectors(shownFolder);
}

// data/sketches: free drawings named after the file they make: plug-NNN.txt, pinouts-NNN.txt,
// cable-NNN.txt, notes-NNN.txt, and logo.txt for the print logo.
void readSketches(const fs::path& folder, const std::string& shownFolder, SourceSet& set) {
    const std::regex pattern("(plug|pinouts|cable|notes)-([0-9]{3})\\.txt");
    for (const std::string& name : sortedSourceFiles(folder)) {
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
