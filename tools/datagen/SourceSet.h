#pragma once
// The data source folder, read and checked once: every connector and pinout drawing by number,
// every sketch, every wiring source. The build lays out and writes the DATA tree from it alone.

#include <map>
#include <string>
#include <vector>

#include "CableSource.h"
#include "ConnectorSource.h"
#include "Envelope.h"
#include "Sketch.h"

// data/connectors: plug-NNN.txt (connector drawings) and pinouts-NNN.txt (pinout drawings).
struct ConnectorSet {
    std::string folder;  // as errors and the connector list name it
    std::map<int, ConnectorSource> plugs;
    std::map<int, ConnectorSource> pinouts;

    // Null where the folder has no source of that number.
    const ConnectorSource* plug(int number) const;
    const ConnectorSource* pinout(int number) const;
};

// One source of data/sketches and the DATA file it makes.
struct SketchFile {
    std::string path;  // inside DATA, e.g. "PLUG/PLUG.000"
    DrawingKind kind = DrawingKind::Connector;
    Sketch sketch;
    std::string shown;
};

struct SourceSet {
    std::string root;  // the source folder as given
    ConnectorSet connectors;
    std::vector<SketchFile> sketches;   // by file name
    std::map<int, CableSource> cables;  // each checked against its connectors

    // The wiring source of that cable; throws DataError when the folder has none.
    const CableSource& cable(int number) const;
};

// Every connector source in `folder`, parsed once; an empty set when there is no such folder.
ConnectorSet loadConnectors(const std::string& folder);

// Reads and checks every source under sourceDir. Throws DataError naming the source file and line
// of the first fault, an unknown folder, or a cable in use without a wiring source.
SourceSet loadSourceSet(const std::string& sourceDir);
