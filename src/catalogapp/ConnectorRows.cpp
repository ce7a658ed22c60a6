#include "catalogapp/ConnectorRows.h"

#include "datafiles/TextRecords.h"

std::vector<ConnectorRow> ConnectorRows(const ConnectorList& list, const std::string& words) {
    std::vector<ConnectorRow> rows;
    const std::string* group = nullptr;
    for (std::size_t i = 0; i < list.connectors.size(); ++i) {
        const ConnectorEntry& entry = list.connectors[i];
        if (!HoldsEveryWord(entry.name + "\n" + entry.group, words)) continue;
        if (!group || *group != entry.group) rows.push_back({entry.group, -1});
        group = &entry.group;
        rows.push_back({"    " + ThreeDigits(entry.number) + "  " + entry.name, static_cast<int>(i)});
    }
    return rows;
}

int SelectableRow(const std::vector<ConnectorRow>& rows, int from, int to) {
    const int count = static_cast<int>(rows.size());
    if (to < 0 || to >= count) return -1;
    if (rows[to].connector >= 0) return to;
    const int step = to < from ? -1 : 1;
    for (int row = to + step; row >= 0 && row < count; row += step)
        if (rows[row].connector >= 0) return row;
    for (int row = to - step; row >= 0 && row < count; row -= step)
        if (rows[row].connector >= 0) return row;
    return -1;
}

std::string PinoutRowText(int number, const std::string& name) {
    return name.empty() ? ThreeDigits(number) : ThreeDigits(number) + "  " + name;
}

std::string CableRowText(int number, const char* name) { return std::to_string(number) + "  " + (name ? name : ""); }

int SteppedPinout(int index, int step, int count) {
    if (count <= 0) return 0;
    return ((index + step) % count + count) % count;
}

std::string CatalogStatusText(const ConnectorEntry& entry, int index) {
    const int count = static_cast<int>(entry.pinouts.size());
    std::string text = entry.name;
    if (count == 0) {
        text += ": no pinout drawing";
    } else {
        text += ": pinout " + std::to_string(index + 1) + " of " + std::to_string(count);
        if (count > 1) text += ", Enter shows the next";
    }
    return text + ". Tab: next list, F3: print, Esc: quit.";
}
