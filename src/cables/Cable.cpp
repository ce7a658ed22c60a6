#include "cables/Cable.h"

#include "cables/CableTable.h"

Cable TableCable(int row, const CableIndex* index, const ConnectorList* connectors) {
    if (row < 0 || row >= CableRowCount) row = 0;
    const CableRecord& record = Catalog.cables[row];
    Cable cable;
    cable.origin = TableRow(row);
    cable.name = record.name ? record.name : "";
    cable.diagram = DataFileName(DataPrefix::Cable, row);
    cable.notes = DataFileName(DataPrefix::Notes, row);
    cable.start.plug = DataFileName(DataPrefix::Plug, record.startPlug);
    cable.start.pinouts = DataFileName(DataPrefix::Pinouts, record.startPinouts);
    cable.end.plug = DataFileName(DataPrefix::Plug, record.endPlug);
    cable.end.pinouts = DataFileName(DataPrefix::Pinouts, record.endPinouts);
    cable.source = std::string(ShippedSourcesFolder) + "\\cables\\cable-" + DataFileName("", row) + ".txt";
    cable.userNotes = DataFileName(DataPrefix::UserNote, row);
    if (const IndexedCable* found = index && row != 0 ? index->find(row) : nullptr) {
        cable.indexed = true;
        cable.entry = *found;
    }
    if (connectors && row != 0) {
        const auto fill = [connectors](CableEnd& end, int plug, int pinouts) {
            if (const ConnectorEntry* found = connectors->connector(plug)) end.connector = *found;
            if (const PinoutEntry* found = connectors->pinout(pinouts)) end.pinoutRows = *found;
        };
        fill(cable.start, record.startPlug, record.startPinouts);
        fill(cable.end, record.endPlug, record.endPinouts);
    }
    return cable;
}

std::vector<Cable> TableCables(const CableIndex& index) {
    std::vector<Cable> cables;
    for (int row : CablesInUse()) cables.push_back(TableCable(row, &index));
    return cables;
}
