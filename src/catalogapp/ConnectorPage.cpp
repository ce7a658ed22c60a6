#include "catalogapp/ConnectorPage.h"

#include "cables/CableTable.h"

std::string ConnectorPageSubtitle(const ConnectorEntry& entry, int pinout, const std::string& pinoutName) {
    std::string text = "Connector " + ThreeDigits(entry.number);
    if (pinout < 0) return text + ", no pinout drawing";
    text += ", pinout " + ThreeDigits(pinout);
    return pinoutName.empty() ? text : text + ": " + pinoutName;
}

std::array<SheetDrawing, 2> ConnectorPageDrawings(int plug, int pinout) {
    return {{
        {DataFileName(DataPrefix::Plug, plug), -6000, 9000},
        {DataFileName(DataPrefix::Pinouts, pinout), -15000, 9000},
    }};
}
