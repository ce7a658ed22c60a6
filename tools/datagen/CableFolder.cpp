#include "CableFolder.h"

#include <algorithm>
#include <map>
#include <memory>
#include <regex>

#include "CableLayout.h"
#include "ConnectorSource.h"
#include "NotesLayout.h"
#include "WiringChecks.h"
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

    // The pinout drawing of that number, or null where there is no source for it (000).
    const ConnectorSource* pinouts(int number) {
        auto found = pinoutSources.find(number);
        if (found != pinoutSources.end()) return found->second.get();
        std::unique_ptr<ConnectorSource>& slot = pinoutSources[number];
        const std::string name = "pinouts-" + ThreeDigits(number) + ".txt";
        if (!fs::is_regular_file(folder / name)) return nullptr;
        const PlugLookup lookup = [this](int n) { return plug(n); };
        slot = std::make_unique<ConnectorSource>(parseConnector(readSourceFile((folder / name).string(), shown + "/" + name),
                                                                ConnectorKind::Pinouts, number, shown + "/" + name, lookup));
        return slot.get();
    }

    std::map<std::string, std::string> signals(int number) {
        std::map<std::string, std::string> names;
        if (const ConnectorSource* source = pinouts(number)) {
            for (const PinRow& row : source->pins) {
                for (const std::string& id : row.ids) names[id] = row.signal;
            }
        }
        return names;
    }

private:
    fs::path folder;
    std::string shown;
    std::map<int, std::unique_ptr<ConnectorSource>> plugs;
    std::map<int, std::unique_ptr<ConnectorSource>> pinoutSources;
};

// The pinout drawing an end follows: the table's, or the one the source names instead, which must
// show the same connector.
const ConnectorSource* endPinouts(ConnectorReader& reader, const CableSource& cable, Side side, int plug, int tableNumber) {
    const CableEndFacts& facts = cable.facts(side);
    if (facts.pinoutsLine == 0) return reader.pinouts(tableNumber);
    const std::string where = cable.file + ":" + std::to_string(facts.pinoutsLine) + ": ";
    if (facts.pinoutsNumber == tableNumber)
        throw DataError(where + "the cable table pairs pinout drawing " + std::to_string(tableNumber) + " with this end already");
    const ConnectorSource* named = reader.pinouts(facts.pinoutsNumber);
    if (!named) throw DataError(where + "there is no pinout drawing pinouts-" + ThreeDigits(facts.pinoutsNumber) + ".txt");
    const std::string face = "face plug " + std::to_string(plug);
    if (named->plugNumber != plug)
        throw DataError(where + "pinout drawing " + std::to_string(facts.pinoutsNumber) + " does not show this end's connector (" +
                        face + ")");
    return named;
}

CableSource readOne(const fs::path& file, const std::string& shownFile, const fs::path& connectors,
                    const std::string& shownConnectors, int number) {
    if (number < 0 || number >= CableRowCount || !IsCableInUse(number))
        throw DataError(shownFile + ": cable " + std::to_string(number) + " is not in the cable table");
    const CableSource cable = parseCable(readSourceFile(file.string(), shownFile), number, shownFile,
                                         cableEnds(connectors, shownConnectors, number));
    const CableRecord& row = Catalog.cables[number];
    ConnectorReader reader(connectors, shownConnectors);
    EndPinouts pinouts;
    pinouts.start = endPinouts(reader, cable, Side::Start, row.startPlug, row.startPinouts);
    pinouts.end = endPinouts(reader, cable, Side::End, row.endPlug, row.endPinouts);
    checkWiring(cable, pinouts);
    return cable;
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
    const ConnectorSource* startPlug = reader.plug(row.startPlug);
    const ConnectorSource* endPlug = reader.plug(row.endPlug);
    ends.startDrawnGender = startPlug->gender;
    ends.endDrawnGender = endPlug->gender;
    ends.startDrawnFace = !startPlug->sideView && !startPlug->symbolic;
    ends.endDrawnFace = !endPlug->sideView && !endPlug->symbolic;
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
