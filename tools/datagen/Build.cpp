#include "Build.h"

#include "CableFolder.h"
#include "CableIndexWriter.h"
#include "ConnectorListWriter.h"
#include "SourceSet.h"
#include "cables/CableTable.h"
#include "datafiles/ThreeDigits.h"
#include "wiring/ConnectorLayout.h"
#include "wiring/SourceText.h"

using namespace wiring;

namespace {

// The connector and pinout drawings of data/connectors.
void addConnectorDrawings(const ConnectorSet& connectors, OutputSet& out) {
    for (const auto& [number, source] : connectors.plugs)
        addDrawing(out, dataPath(DataPrefix::Plug, number), layoutConnector(source), DrawingKind::Connector, source.file);
    for (const auto& [number, source] : connectors.pinouts)
        addDrawing(out, dataPath(DataPrefix::Pinouts, number), layoutPinouts(source), DrawingKind::Connector, source.file);
}

void addSketches(const std::vector<SketchFile>& sketches, OutputSet& out) {
    for (const SketchFile& file : sketches) addDrawing(out, file.path, file.sketch, file.kind, file.shown);
}

}  // namespace

std::map<std::string, std::string> requiredDrawings() {
    std::map<std::string, std::string> required;
    required[dataPath(DataPrefix::Plug, 0)] = "start-up";
    required[dataPath(DataPrefix::Cable, 0)] = "start-up";
    required[dataPath(DataPrefix::Pinouts, 0)] = "start-up";
    required[dataPath(DataPrefix::Notes, 0)] = "start-up";
    required[logoDataPath()] = "printing";
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
    const SourceSet sources = loadSourceSet(sourceDir);
    OutputSet out;
    addConnectorDrawings(sources.connectors, out);
    addSketches(sources.sketches, out);
    addCableDrawings(sources.cables, out);
    for (const auto& [path, why] : requiredDrawings()) {
        if (out.find(path) == out.end()) throw DataError(sourceDir, 0, "nothing makes " + path + ", needed by " + why);
    }
    for (const std::string& path : userNotePaths()) out[path] = {{}, "the cable table"};
    addConnectorList(sources.connectors, sources.cables, out);
    addCableIndex(sources, out);
    return out;
}
