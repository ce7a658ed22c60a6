#include "CableFolder.h"

#include <algorithm>
#include <map>
#include <memory>
#include <regex>

#include "CableLayout.h"
#include "ConnectorSource.h"
#include "NotesLayout.h"
#include "cables/CableTable.h"
#include "datafiles/ThreeDigits.h"

namespace fs = std::filesystem;

namespace {

class ConnectorReader {
public:
    ConnectorReader(fs::path folder, std::string shown) : folder(std::move(folder)), shown(std::move(shown)) {}

    const ConnectorSource* plug(int number) {
        auto found = plugs.find(number);
        if (found != plugs.end()) return found->second.get();
        const std::string name = "plug-" + ThreeDigits(number) + ".txt";
        std::unique_ptr<ConnectorSource>& slot = plugs[number];
        if (!fs::is_regular_file(folder / name)) return nullptr;
        slot = std::make_unique<ConnectorSource>(parseConnector(readSourceFile((folder / name).string(), shown + "/" + name),
                                                                ConnectorKind::Plug, number, shown + "/" + name, nullptr));
        return slot.get();
    }

    std::set<std::string> contacts(int number, const std::string& why) {
        const ConnectorSource* source = plug(number);
        if (!source) throw DataError(why + ": there is no connector drawing plug-" + ThreeDigits(number) + ".txt");
        std::set<std::string> ids;
        for (const Contact& c : source->face.contacts) ids.insert(c.id);
        if (source->metalShell) ids.insert("SHELL");
        return ids;
    }

    std::map<std::string, std::string> signals(int number) {
        std::map<std::string, std::string> names;
        const std::string name = "pinouts-" + ThreeDigits(number) + ".txt";
        if (!fs::is_regular_file(folder / name)) return names;
        const PlugLookup lookup = [this](int n) { return plug(n); };
        const ConnectorSource pinouts = parseConnector(readSourceFile((folder / name).string(), shown + "/" + name),
                                                       ConnectorKind::Pinouts, number, shown + "/" + name, lookup);
        for (const PinRow& row : pinouts.pins) {
            for (const std::string& id : row.ids) names[id] = row.signal;
        }
        return names;
    }

private:
    fs::path folder;
    std::string shown;
    std::map<int, std::unique_ptr<ConnectorSource>> plugs;
};

CableSource readOne(const fs::path& file, const std::string& shownFile, const fs::path& connectors,
                    const std::string& shownConnectors, int number) {
    if (number < 0 || number >= CableRowCount || !IsCableInUse(number))
        throw DataError(shownFile + ": cable " + std::to_string(number) + " is not in the cable table");
    return parseCable(readSourceFile(file.string(), shownFile), number, shownFile,
                      cableEnds(connectors, shownConnectors, number));
}

std::string shownSibling(const std::string& shownFolder, const char* name) {
    const std::size_t slash = shownFolder.find_last_of("/\\");
    return slash == std::string::npos ? name : shownFolder.substr(0, slash + 1) + name;
}

}  // namespace

CableEnds cableEnds(const fs::path& connectorsFolder, const std::string& shownFolder, int number) {
    const CableRecord& row = Catalog.cables[number];
    ConnectorReader reader(connectorsFolder, shownFolder);
    const std::string why = "cable " + std::to_string(number) + " \"" + row.name + "\"";
    CableEnds ends;
    ends.startContacts = reader.contacts(row.startPlug, why);
    ends.endContacts = reader.contacts(row.endPlug, why);
    ends.startSignals = reader.signals(row.startPinouts);
    return ends;
}

void readCables(const fs::path& folder, const std::string& shownFolder, OutputSet& out) {
    const std::regex pattern("cable-([0-9]{3})\\.txt");
    const fs::path connectors = folder.parent_path() / "connectors";
    const std::string shownConnectors = shownSibling(shownFolder, "connectors");
    std::set<int> made;
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string shown = shownFolder + "/" + name;
        std::smatch m;
        if (!std::regex_match(name, m, pattern)) throw DataError(shown + ": not a cable-NNN.txt name");
        const int number = std::stoi(m[1]);
        const CableSource cable = readOne(folder / name, shown, connectors, shownConnectors, number);
        addDrawing(out, dataPath(DataPrefix::Cable, number), layoutCableDiagram(cable), DrawingKind::Connector, shown);
        addDrawing(out, dataPath(DataPrefix::Notes, number), layoutCableNotes(cable, Catalog.cables[number].name),
                   DrawingKind::Notes, shown);
        made.insert(number);
    }
    for (int n = 1; n < CableRowCount; ++n) {
        if (IsCableInUse(n) && made.count(n) == 0)
            throw DataError(shownFolder + ": cable " + std::to_string(n) + " \"" + Catalog.cables[n].name +
                            "\" has no wiring source; write cable-" + ThreeDigits(n) + ".txt");
    }
}

CableSource loadCable(const std::string& sourceDir, int number) {
    const fs::path root(sourceDir);
    const std::string name = "cable-" + ThreeDigits(number) + ".txt";
    const fs::path file = root / "cables" / name;
    const std::string shown = (root / "cables").string() + "/" + name;
    if (!fs::is_regular_file(file)) throw DataError(shown + ": no such cable source");
    return readOne(file, shown, root / "connectors", (root / "connectors").string(), number);
}
