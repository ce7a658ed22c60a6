#include "CableFolder.h"

#include <algorithm>
#include <map>
#include <regex>

#include "CableLayout.h"
#include "CoreCount.h"
#include "NotesLayout.h"
#include "WiringChecks.h"
#include "cables/CableTable.h"
#include "datafiles/ThreeDigits.h"

namespace fs = std::filesystem;

namespace {

std::set<std::string> contacts(const ConnectorSet& connectors, int number, const std::string& why) {
    const ConnectorSource* source = connectors.plug(number);
    if (!source) throw DataError(why + ": there is no connector drawing plug-" + ThreeDigits(number) + ".txt");
    std::set<std::string> ids;
    for (const Contact& c : source->face.contacts) ids.insert(c.id);
    if (source->metalShell) ids.insert("SHELL");
    return ids;
}

// The signal of every contact of the pinout drawing of that number; none where there is no source
// for it (000).
std::map<std::string, std::string> signals(const ConnectorSet& connectors, int number) {
    std::map<std::string, std::string> names;
    if (const ConnectorSource* source = connectors.pinout(number)) {
        for (const PinRow& row : source->pins) {
            for (const std::string& id : row.ids) names[id] = row.signal;
        }
    }
    return names;
}

// The pinout drawing an end follows: the table's, or the one the source names instead, which must
// show the same connector.
const ConnectorSource* endPinouts(const ConnectorSet& connectors, const CableSource& cable, Side side, int plug,
                                  int tableNumber) {
    const CableEndFacts& facts = cable.facts(side);
    if (facts.pinoutsLine == 0) return connectors.pinout(tableNumber);
    const std::string where = cable.file + ":" + std::to_string(facts.pinoutsLine) + ": ";
    if (facts.pinoutsNumber == tableNumber)
        throw DataError(where + "the cable table pairs pinout drawing " + std::to_string(tableNumber) + " with this end already");
    const ConnectorSource* named = connectors.pinout(facts.pinoutsNumber);
    if (!named) throw DataError(where + "there is no pinout drawing pinouts-" + ThreeDigits(facts.pinoutsNumber) + ".txt");
    const std::string face = "face plug " + std::to_string(plug);
    if (named->plugNumber != plug)
        throw DataError(where + "pinout drawing " + std::to_string(facts.pinoutsNumber) + " does not show this end's connector (" +
                        face + ")");
    return named;
}

CableSource readOne(const fs::path& file, const std::string& shownFile, const ConnectorSet& connectors, int number) {
    if (number < 0 || number >= CableRowCount || !IsCableInUse(number))
        throw DataError(shownFile + ": cable " + std::to_string(number) + " is not in the cable table");
    CableSource cable = parseCable(readSourceFile(file.string(), shownFile), number, shownFile,
                                   cableEnds(connectors, number));
    fillCoreCounts(cable);
    const CableRecord& row = Catalog.cables[number];
    EndPinouts pinouts;
    pinouts.start = endPinouts(connectors, cable, Side::Start, row.startPlug, row.startPinouts);
    pinouts.end = endPinouts(connectors, cable, Side::End, row.endPlug, row.endPinouts);
    checkWiring(cable, pinouts);
    return cable;
}

}  // namespace

CableEnds cableEnds(const ConnectorSet& connectors, int number) {
    const CableRecord& row = Catalog.cables[number];
    const std::string why = "cable " + std::to_string(number) + " \"" + row.name + "\"";
    CableEnds ends;
    ends.startContacts = contacts(connectors, row.startPlug, why);
    ends.endContacts = contacts(connectors, row.endPlug, why);
    ends.startSignals = signals(connectors, row.startPinouts);
    const ConnectorSource* startPlug = connectors.plug(row.startPlug);
    const ConnectorSource* endPlug = connectors.plug(row.endPlug);
    ends.startDrawnGender = startPlug->gender;
    ends.endDrawnGender = endPlug->gender;
    ends.startDrawnFace = !startPlug->sideView && !startPlug->symbolic;
    ends.endDrawnFace = !endPlug->sideView && !endPlug->symbolic;
    return ends;
}

std::map<int, CableSource> loadCables(const fs::path& folder, const std::string& shownFolder,
                                      const ConnectorSet& connectors) {
    const std::regex pattern("cable-([0-9]{3})\\.txt");
    std::map<int, CableSource> cables;
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string shown = shownFolder + "/" + name;
        std::smatch m;
        if (!std::regex_match(name, m, pattern)) throw DataError(shown + ": not a cable-NNN.txt name");
        const int number = std::stoi(m[1]);
        cables.emplace(number, readOne(folder / name, shown, connectors, number));
    }
    for (int n = 1; n < CableRowCount; ++n) {
        if (IsCableInUse(n) && cables.count(n) == 0)
            throw DataError(shownFolder + ": cable " + std::to_string(n) + " \"" + Catalog.cables[n].name +
                            "\" has no wiring source; write cable-" + ThreeDigits(n) + ".txt");
    }
    return cables;
}

void addCableDrawings(const std::map<int, CableSource>& cables, OutputSet& out) {
    for (const auto& [number, cable] : cables) {
        addDrawing(out, dataPath(DataPrefix::Cable, number), layoutCableDiagram(cable), DrawingKind::Connector, cable.file);
        addDrawing(out, dataPath(DataPrefix::Notes, number), layoutCableNotes(cable, Catalog.cables[number].name),
                   DrawingKind::Notes, cable.file);
    }
}

CableSource loadCable(const std::string& sourceDir, int number) {
    const fs::path root(sourceDir);
    const std::string name = "cable-" + ThreeDigits(number) + ".txt";
    const fs::path file = root / "cables" / name;
    const std::string shown = (root / "cables").string() + "/" + name;
    if (!fs::is_regular_file(file)) throw DataError(shown + ": no such cable source");
    return readOne(file, shown, loadConnectors((root / "connectors").string()), number);
}
