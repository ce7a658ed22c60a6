#include "cables/ShippedCables.h"

#include "framework/File.h"

const ConnectorList* ShippedCables::connectors() {
    if (connectorList) return &*connectorList;
    try {
        ConnectorListReading reading = ParseConnectorList(ReadFileStart(ConnectorListPath, MaxConnectorListBytes));
        if (reading.ok) connectorList = std::move(reading.list);
    } catch (const CFileException&) {
    }
    return connectorList ? &*connectorList : nullptr;
}

Cable ShippedCables::Make(int row) { return TableCable(row, index.Quietly(), connectors()); }
