#pragma once
// The table's cables as the guide shows them: each made from its row, with its entry of the cable
// index (DATA\MISC\CABLES.IDX) and its connectors' rows of the connector list
// (DATA\MISC\CONNECT.LST). Both lists are read the first time they are needed; one that cannot
// be read is tried again the next time.

#include <optional>

#include "cables/Cable.h"
#include "cables/CableIndexFile.h"

class ShippedCables {
public:
    // Cable `row` of the table, with what the lists say of it; without it, quietly, when they
    // cannot be read.
    Cable Make(int row);
    // The cable index; null after a message box over `owner` that names the file and the fault.
    const CableIndex* Index(CWnd* owner) { return index.Get(owner); }

private:
    const ConnectorList* connectors();

    CableIndexFile index;
    std::optional<ConnectorList> connectorList;
};
