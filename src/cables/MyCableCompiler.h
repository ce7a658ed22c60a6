#pragma once
// The one call from the program into the compiler of cable sources: a user's cable source, with the
// connector sources it may name, made into drawings and an index entry. No windows.h here.

#include <cstddef>
#include <string>
#include <vector>

#include "datafiles/CableIndex.h"

namespace wiring {

struct SourceError {
    std::string file;
    int line = 0;
    std::string message;
    std::string text() const { return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message; }
};

struct SourceText {
    std::string name;
    std::string bytes;
};

struct EndDrawing {
    std::string shippedPath;
    std::string metafile;
};

struct UserCable {
    bool ok = false;
    SourceError error;
    std::string name;
    std::string diagram;
    std::string notes;
    EndDrawing startPlug, endPlug, startPinouts, endPinouts;
    IndexedCable index;
};

constexpr std::size_t MaxUserSourceBytes = 64 * 1024;

}  // namespace wiring

wiring::UserCable CompileMyCable(const wiring::SourceText& source, const std::vector<wiring::SourceText>& userConnectors,
                                 const std::vector<wiring::SourceText>& shippedConnectors);
