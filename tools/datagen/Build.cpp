#include "Build.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>

#include "CableFolder.h"
#include "CableIndexWriter.h"
#include "ConnectorLayout.h"
#include "ConnectorListWriter.h"
#include "Envelope.h"
#include "SketchSource.h"
#include "SourceText.h"
#include "cables/CableTable.h"
#include "datafiles/ThreeDigits.h"

namespace fs = std::filesystem;

namespace {

std::string logoPath() {
    std::string path = DataPrefix::PrintLogo;
    path.erase(0, 5);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::vector<std::string> sortedFiles(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file()) throw DataError(entry.path().string() + ": only source files belong here");
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// data/connectors: plug-NNN.txt (connector drawings) and pinouts-NNN.txt (pinout drawings).
void readConnectors(const fs::path& folder, const std::string& shownFolder, OutputSet& out) {
    const std::regex pattern("(plug|pinouts)-([0-9]{3})\\.txt");
    std::map<int, ConnectorSource> plugs;
    std::vector<std::pair<int, std::string>> pinouts;
    for (const std::string& name : sortedFiles(folder)) {
        std::smatch m;
        const std::string shown = shownFolder + "/" + name;
        if (!std::regex_match(name, m, pattern)) throw DataError(shown + ": not a plug-NNN.txt or pinouts-NNN.txt name");
        const int number = std::stoi(m[2]);
        if (m[1] == "pinouts") {
            pinouts.push_back({number, name});
            continue;
        }
        ConnectorSource source = parseConnector(readSourceFile((folder / name).string(), shown), ConnectorKind::Plug,
                                                number, shown, nullptr);
        addDrawing(out, dataPath(DataPrefix::Plug, number), layoutConnector(source), DrawingKind::Connector, shown);
        plugs.emplace(number, std::move(source));
    }
    const PlugLookup lookup = [&plugs](int number) -> const ConnectorSource* {
        auto found = plugs.find(number);
        return found == plugs.end() ? nullptr : &found->second;
    };
    for (const auto& [number, name] : pinouts) {
        const std::string shown = shownFolder + "/" + name;
        ConnectorSource source = parseConnector(readSourceFile((folder / name).string(), shown), ConnectorKind::Pinouts,
                                                number, shown, lookup);
        addDrawing(out, dataPath(DataPrefix::Pinouts, number), layoutPinouts(source), DrawingKind::Connector, shown);
    }
}

// data/sketches: free drawings named after the file they make: plug-NNN.txt, pinouts-NNN.txt,
// cable-NNN.txt, notes-NNN.txt, and logo.txt for the print logo.
void readSketches(const fs::path& folder, const std::string& shownFolder, OutputSet& out) {
    const std::regex pattern("(plug|pinouts|cable|notes)-([0-9]{3})\\.txt");
    for (const std::string& name : sortedFiles(folder)) {
        const std::string shown = shownFolder + "/" + name;
        std::smatch m;
        std::string path;
        DrawingKind kind = DrawingKind::Connector;
        if (name == "logo.txt") {
            path = logoPath();
            kind = DrawingKind::Logo;
        } else if (std::regex_match(name, m, pattern)) {
            const int number = std::stoi(m[2]);
            const std::string what = m[1];
            const char* prefix = what == "plug" ? DataPrefix::Plug
                                 : what == "pinouts" ? DataPrefix::Pinouts
                                 : what == "cable" ? DataPrefix::Cable
                                                   : DataPrefix::Notes;
            path = dataPath(prefix, number);
            if (what == "notes") kind = DrawingKind::Notes;
        } else {
            throw DataError(shown + ": not a plug-, pinouts-, cable- or notes-NNN.txt or logo.txt name");
        }
        addDrawing(out, path, parseSketch(readSourceFile((folder / name).string(), shown)), kind, shown);
    }
}

struct SourceFolder {
    const char* name;
    std::function<void(const fs::path&, const std::string&, OutputSet&)> read;
};

// One row per kind of source.
const SourceFolder Folders[] = {
    {"connectors", readConnectors},
    {"sketches", readSketches},
    {"cables", readCables},
};

}  // namespace

std::map<std::string, std::string> requiredDrawings() {
    std::map<std::string, std::string> required;
    required[dataPath(DataPrefix::Plug, 0)] = "start-up";
    required[dataPath(DataPrefix::Cable, 0)] = "start-up";
    required[dataPath(DataPrefix::Pinouts, 0)] = "start-up";
    required[dataPath(DataPrefix::Notes, 0)] = "start-up";
    required[logoPath()] = "printing";
    for (int n = 0; n < CableRowCount; ++n) {
        if (!IsCableInUse(n)) continue;
        const CableRecord& row = Catalog.cables[n];
        const std::string why = "cable " + std::to_string(n) + " \"" + row.name + "\"";
        for (int plug : {row.startPlug, row.endPlug}) required.emplace(dataPath(DataPrefix::Plug, plug), why);
        for (int pinouts : {row.startPinouts, row.endPinouts})
            required.emplace(dataPath(DataPrefix::Pinouts, pinouts), why);
        const std::string wiring = why + " (its wiring source cables/cable-" + ThreeDigits(n) + ".txt)";
        required.emplace(dataPath(DataPrefix::Cable, n), wiring);
        required.emplace(dataPath(DataPrefix::Notes, n), wiring);
    }
    return required;
}

std::vector<std::string> userNotePaths() {
    std::vector<std::string> paths{dataPath(DataPrefix::UserNote, 0)};
    for (int n = 1; n < CableRowCount; ++n) {
        if (IsCableInUse(n)) paths.push_back(dataPath(DataPrefix::UserNote, n));
    }
    return paths;
}

OutputSet buildDataSet(const std::string& sourceDir) {
    const fs::path root(sourceDir);
    if (!fs::is_directory(root)) throw DataError(sourceDir + ": no such source folder");
    OutputSet out;
    for (const fs::directory_entry& entry : fs::directory_iterator(root)) {
        if (!entry.is_directory()) continue;  // README.md and other notes for people
        const std::string name = entry.path().filename().string();
        const bool known = std::any_of(std::begin(Folders), std::end(Folders),
                                       [&name](const SourceFolder& f) { return name == f.name; });
        if (!known) throw DataError((root / name).string() + ": unknown source folder");
    }
    for (const SourceFolder& folder : Folders) {
        const fs::path path = root / folder.name;
        if (fs::is_directory(path)) folder.read(path, path.string(), out);
    }
    for (const auto& [path, why] : requiredDrawings()) {
        if (out.find(path) == out.end()) throw DataError(sourceDir + ": nothing makes " + path + ", needed by " + why);
    }
    for (const std::string& path : userNotePaths()) out[path] = {{}, "the cable table"};
    addConnectorList((root / "connectors").string(), out);
    addCableIndex(sourceDir, out);
    return out;
}
