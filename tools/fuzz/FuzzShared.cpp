#include "FuzzShared.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "OutputSet.h"
#include "drawing/MetafileCheck.h"

const std::map<int, ConnectorSource>& RealPlugs() {
    static const std::map<int, ConnectorSource> plugs = [] {
        std::map<int, ConnectorSource> read;
        const std::filesystem::path folder = std::filesystem::path(SOURCE_DIR) / "data" / "connectors";
        const std::regex pattern("plug-([0-9]{3})\\.txt");
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            std::smatch m;
            if (!std::regex_match(name, m, pattern)) continue;
            const int number = std::stoi(m[1]);
            read.emplace(number, parseConnector(readSourceFile(entry.path().string(), name), ConnectorKind::Plug,
                                                number, name, nullptr));
        }
        return read;
    }();
    return plugs;
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
