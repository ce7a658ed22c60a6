#pragma once
// What a drawing file of the DATA folder shows, in words, for a screen reader: a connector drawing
// from the connector list, a pinout drawing's rows from it too, a circuit diagram as Copy wiring
// words it and the notes in full from the cable index, and the welcome drawings (number 000) by
// the texts they write. The lists are read the first time they are needed; a missing or damaged
// one leaves the words empty and says nothing.

#include <optional>
#include <string>

#include "cables/CableIndexFile.h"
#include "datafiles/ConnectorList.h"

class DrawingWords {
public:
    // `index` is the owner's, shared with Find cable and Copy wiring.
    explicit DrawingWords(CableIndexFile& index, const char* connectorListPath = ConnectorListPath)
        : index(index), connectorListPath(connectorListPath) {}

    // The words of the drawing at `path` (a DataFileName); "" when the DATA folder cannot say.
    std::string Words(const std::string& path);

private:
    const ConnectorList* connectors();

    CableIndexFile& index;
    const char* connectorListPath;
    std::optional<ConnectorList> connectorList;
};
