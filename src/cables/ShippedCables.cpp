#include "cables/ShippedCables.h"

#include "framework/FileBytes.h"

const ConnectorList* ShippedCables::connectors() {
    if (connectorList) return &*connectorList;
    const FileBytes file = ReadFileBytes(ConnectorListPath, MaxConnectorListBytes);
    ConnectorListReading reading = ParseConnectorList(file.bytes);
    if (file.ok() && reading.ok) connectorList = std::move(reading.list);
    return connectorList ? &*connectorList : nullptr;
}

Cable ShippedCables::Make(int row) { return TableCable(row, index.Quietly(), connectors()); }
