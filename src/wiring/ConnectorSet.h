#pragma once
// The connector and pinout drawings a cable can be checked against, each read once, by number.

#include <map>
#include <string>
#include <vector>

#include "wiring/ConnectorSource.h"

namespace wiring {

struct ConnectorSet {
    std::string folder;  // as errors and the connector list name it
    std::map<int, ConnectorSource> plugs;
    std::map<int, ConnectorSource> pinouts;

    // Null where the set has no source of that number.
    const ConnectorSource* plug(int number) const;
    const ConnectorSource* pinout(int number) const;
};

// One connector source handed in as text.
struct ConnectorText {
    ConnectorKind kind = ConnectorKind::Plug;
    int number = 0;
    std::string shown;  // the name errors give it
    std::string text;
};

// Reads the connector drawings first, in the order given, then the pinout drawings, which may show
// the face of a connector drawing. Throws DataError at the first fault.
void addConnectors(ConnectorSet& set, const std::vector<ConnectorText>& files);

}  // namespace wiring
