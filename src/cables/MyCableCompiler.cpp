#include "cables/MyCableCompiler.h"

#include <sstream>

#include "datafiles/ThreeDigits.h"

namespace {
wiring::UserCable refuse(const std::string& file, int line, const std::string& message) {
    wiring::UserCable cable;
    cable.error = {file, line, message};
    return cable;
}

bool shippedDrawing(const std::string& word, const char* folder, const char* prefix, wiring::EndDrawing& drawing) {
    if (word.empty() || word.size() > 3 || word.find_first_not_of("0123456789") != std::string::npos) return false;
    drawing.shippedPath = std::string(folder) + "\\" + prefix + std::string(3 - word.size(), '0') + word;
    return true;
}
}  // namespace

// Reads the head of the source; the drawings of the wiring come from the compiler room.
wiring::UserCable CompileMyCable(const wiring::SourceText& source, const std::vector<wiring::SourceText>&,
                                 const std::vector<wiring::SourceText>&) {
    if (source.bytes.size() > wiring::MaxUserSourceBytes) return refuse(source.name, 0, "the file is too long");
    wiring::UserCable cable;
    std::istringstream lines(source.bytes);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string keyword, side, value;
        words >> keyword;
        if (keyword == "name") {
            cable.name = line.substr(line.find("name") + 5 > line.size() ? line.size() : line.find("name") + 5);
            if (cable.name.empty()) return refuse(source.name, number, "the cable has no name");
            continue;
        }
        if (keyword != "connector" && keyword != "pinouts") continue;
        words >> side >> value;
        const bool plug = keyword == "connector";
        wiring::EndDrawing& drawing = side == "start" ? (plug ? cable.startPlug : cable.startPinouts)
                                                      : (plug ? cable.endPlug : cable.endPinouts);
        if ((side != "start" && side != "end") ||
            !shippedDrawing(value, plug ? "PLUG" : "PINOUTS", plug ? "PLUG." : "PINOUTS.", drawing))
            return refuse(source.name, number, "no connector drawing " + value);
    }
    if (cable.name.empty()) return refuse(source.name, 0, "no 'name' line");
    cable.ok = true;
    return cable;
}
