#include "FuzzShared.h"

#include <cstdio>
#include <cstdlib>

#include "OutputSet.h"
#include "SourceSet.h"
#include "drawing/MetafileCheck.h"

using namespace wiring;

const std::map<int, ConnectorSource>& RealPlugs() {
    static const ConnectorSet connectors = loadConnectors(std::string(SOURCE_DIR) + "/data/connectors");
    return connectors.plugs;
}

void RenderChecked(const Sketch& sketch, DrawingKind kind) {
    OutputSet out;
    addDrawing(out, "FUZZ", sketch, kind, "fuzz");
    const std::vector<std::uint8_t>& bytes = out.begin()->second.bytes;
    if (!IsSoundMetafile(bytes.data(), bytes.size())) BrokenPromise("datagen wrote a metafile the program refuses");
}

std::string FuzzText(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

void BrokenPromise(const char* what) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}
