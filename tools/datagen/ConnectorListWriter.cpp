#include "ConnectorListWriter.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>

#include "ConnectorSource.h"
#include "SourceText.h"
#include "cables/CableTable.h"
#include "cables/ConnectorUse.h"

namespace fs = std::filesystem;

const char* const ConnectorGroups[] = {
    "Serial and parallel", "DIN and mini-DIN", "Modular jacks", "Video", "Audio and AV", "Storage", "Power and mains",
};
const int ConnectorGroupCount = static_cast<int>(std::size(ConnectorGroups));

namespace {
// Tabs separate the list's fields, so none may stand inside one.
std::string field(std::string text) {
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

int groupIndex(const ConnectorSource& source) {
    for (int i = 0; i < ConnectorGroupCount; ++i)
        if (source.group.text == ConnectorGroups[i]) return i;
    std::string known;
    for (int i = 0; i < ConnectorGroupCount; ++i) known += std::string(i ? ", " : "") + ConnectorGroups[i];
    if (source.group.text.empty())
        throw DataError(source.file + ":1: no group line; the connector catalog needs one of: " + known);
    throw DataError(source.file + ":" + std::to_string(source.group.line) + ": unknown group '" + source.group.text +
                    "' (" + known + ")");
}

// The first title line of a pinout source, without reading the rest of it.
std::string pinoutTitle(const fs::path& file, const std::string& shown) {
    for (const SourceLine& line : readSourceFile(file.string(), shown))
        if (line.size() >= 2 && line.word(0) == "title") return line.rest(1);
    return std::string();
}
}  // namespace

std::string connectorListPath() { return "MISC/CONNECT.LST"; }

ConnectorList makeConnectorList(const std::string& folder) {
    const std::regex plugName("plug-([0-9]{3})\\.txt");
    std::vector<std::pair<int, ConnectorEntry>> ordered;  // group index, entry
    for (const fs::directory_entry& item : fs::directory_iterator(folder)) {
        const std::string name = item.path().filename().string();
        std::smatch m;
        if (!std::regex_match(name, m, plugName)) continue;
        const int number = std::stoi(m[1]);
        const std::string shown = folder + "/" + name;
        ConnectorSource source =
            parseConnector(readSourceFile(item.path().string(), shown), ConnectorKind::Plug, number, shown, nullptr);
        ConnectorEntry entry;
        entry.number = number;
        entry.group = source.group.text;
        entry.name = field(source.titles.front().text);
        entry.pinouts = PinoutsUsedWith(number);
        ordered.push_back({groupIndex(source), entry});
    }
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.number < b.second.number;
    });

    ConnectorList list;
    std::map<int, std::string> pinoutNames;
    for (const auto& [group, entry] : ordered) {
        list.connectors.push_back(entry);
        for (int pinout : entry.pinouts) {
            const fs::path source = fs::path(folder) / ("pinouts-" + ThreeDigits(pinout) + ".txt");
            if (!pinoutNames.count(pinout) && fs::is_regular_file(source))
                pinoutNames[pinout] = field(pinoutTitle(source, folder + "/" + source.filename().string()));
        }
    }
    for (const auto& [number, name] : pinoutNames)
        if (!name.empty()) list.pinouts.push_back({number, name});
    return list;
}

void addConnectorList(const std::string& folder, OutputSet& out) {
    const std::string text = FormatConnectorList(makeConnectorList(folder));
    out[connectorListPath()] = {std::vector<std::uint8_t>(text.begin(), text.end()), folder};
}
