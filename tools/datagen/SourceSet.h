#pragma once
// The data source folder, read and checked once: every connector and pinout drawing by number,
// every sketch, every wiring source. The build lays out and writes the DATA tree from it alone.

#include <map>
#include <string>
#include <vector>

#include "SourceFiles.h"
#include "wiring/CableSource.h"
#include "wiring/ConnectorSet.h"
#include "wiring/Envelope.h"
#include "wiring/Sketch.h"

// One source of data/sketches and the DATA file it makes.
struct SketchFile {
    std::string path;  // inside DATA, e.g. "PLUG/PLUG.000"
    wiring::DrawingKind kind = wiring::DrawingKind::Connector;
    wiring::Sketch sketch;
    std::string shown;
};

struct SourceSet {
    std::string root;  // the source folder as given
    wiring::ConnectorSet connectors;
    std::vector<SketchFile> sketches;   // by file name
    std::map<int, wiring::CableSource> cables;  // each checked against its connectors

    // The wiring source of that cable; throws DataError when the folder has none.
    const wiring::CableSource& cable(int number) const;
};

// Reads and checks every source under sourceDir. Throws DataError naming the source file and line
// of the first fault, an unknown folder, or a cable in use without a wiring source.
SourceSet loadSourceSet(const std::string& sourceDir);
