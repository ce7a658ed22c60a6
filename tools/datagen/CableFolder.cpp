#include "CableFolder.h"

#include <algorithm>
#include <map>
#include <regex>

#include "cables/CableTable.h"
#include "datafiles/ThreeDigits.h"
#include "wiring/CableLayout.h"
#include "wiring/NotesLayout.h"

namespace fs = std::filesystem;
using namespace wiring;

namespace {

CableSource readOne(const fs::path& file, const std::string& shownFile, const ConnectorSet& connectors, int number) {
    if (number < 0 || number >= CableRowCount || !IsCableInUse(number))
        throw DataError(shownFile, 0, "cable " + std::to_string(number) + " is not in the cable table");
    return readCable(readSourceFile(file.string(), shownFile), shownFile, tableHead(number), connectors);
}

}  // namespace

CableHead tableHead(int number) {
    static const CableNames names = CableNamesByNumber();
    const CableRecord& row = Catalog.cables[number];
    return {number, row.name, row.startPlug, row.endPlug, row.startPinouts, row.endPinouts, &names};
}

CableEnds cableEnds(const ConnectorSet& connectors, int number) { return wiring::cableEnds(connectors, tableHead(number)); }

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
        if (!std::regex_match(name, m, pattern)) throw DataError(shown, 0, "not a cable-NNN.txt name");
        const int number = std::stoi(m[1]);
        cables.emplace(number, readOne(folder / name, shown, connectors, number));
    }
    for (int n = 1; n < CableRowCount; ++n) {
        if (IsCableInUse(n) && cables.count(n) == 0)
            throw DataError(shownFolder, 0,
                            "cable " + std::to_string(n) + " \"" + Catalog.cables[n].name +
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
    if (!fs::is_regular_file(file)) throw DataError(shown, 0, "no such cable source");
    return readOne(file, shown, loadConnectors((root / "connectors").string()), number);
}
