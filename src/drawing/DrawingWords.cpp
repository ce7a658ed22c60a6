#include "drawing/DrawingWords.h"

#include <vector>

#include "cables/WiringText.h"
#include "drawing/MetafileCheck.h"
#include "drawing/SpokenText.h"

namespace {
std::string metafileWords(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadMetafileBytes(path.c_str());
    return MetafileWords(bytes.data(), bytes.size());
}

const std::string& pathOf(const Cable& cable, CableDrawing drawing) {
    switch (drawing) {
        case CableDrawing::StartPlug: return cable.start.plug;
        case CableDrawing::StartPinouts: return cable.start.pinouts;
        case CableDrawing::Diagram: return cable.diagram;
        case CableDrawing::Notes: return cable.notes;
        case CableDrawing::EndPlug: return cable.end.plug;
        case CableDrawing::EndPinouts: break;
    }
    return cable.end.pinouts;
}
}  // namespace

std::string DrawingWords(const Cable& cable, CableDrawing drawing) {
    // The welcome drawings are sketches no list describes: they say what they write.
    if (cable.IsNoCable()) return metafileWords(pathOf(cable, drawing));
    switch (drawing) {
        case CableDrawing::StartPlug: return ConnectorWords(cable.start.connector);
        case CableDrawing::StartPinouts: return PinoutWords(cable.start.pinoutRows);
        case CableDrawing::EndPlug: return ConnectorWords(cable.end.connector);
        case CableDrawing::EndPinouts: return PinoutWords(cable.end.pinoutRows);
        case CableDrawing::Diagram: return cable.indexed ? WiringText(cable.entry, cable.name) : std::string();
        case CableDrawing::Notes: break;
    }
    return cable.indexed ? NotesWords(cable.entry) : std::string();
}
