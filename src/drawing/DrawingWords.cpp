#include "drawing/DrawingWords.h"

#include <cctype>
#include <vector>

#include "cables/CableTable.h"
#include "cables/WiringText.h"
#include "drawing/MetafileCheck.h"
#include "drawing/SpokenText.h"
#include "framework/FileBytes.h"

namespace {
// The number a data file name ends with, or -1.
int numberOf(const std::string& path) {
    if (path.size() < 3) return -1;
    int number = 0;
    for (std::size_t i = path.size() - 3; i < path.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(path[i]))) return -1;
        number = number * 10 + (path[i] - '0');
    }
    return number;
}

std::string metafileWords(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadMetafileBytes(path.c_str());
    return MetafileWords(bytes.data(), bytes.size());
}
}  // namespace

const ConnectorList* DrawingWords::connectors() {
    if (connectorList) return &*connectorList;
    const FileBytes file = ReadFileBytes(connectorListPath, MaxConnectorListBytes);
    ConnectorListReading reading = ParseConnectorList(file.bytes);
    if (file.ok() && reading.ok) connectorList = std::move(reading.list);
    return connectorList ? &*connectorList : nullptr;
}

std::string DrawingWords::Words(const std::string& path) {
    const int number = numberOf(path);
    if (number < 0) return std::string();
    const auto is = [&](const char* prefix) { return path == DataFileName(prefix, number); };
    // The welcome drawings are sketches no list describes: they say what they write.
    if (number == 0) return is(DataPrefix::Plug) || is(DataPrefix::Pinouts) || is(DataPrefix::Cable) || is(DataPrefix::Notes)
                                ? metafileWords(path)
                                : std::string();
    if (is(DataPrefix::Plug) || is(DataPrefix::Pinouts)) {
        const ConnectorList* list = connectors();
        if (!list) return std::string();
        return is(DataPrefix::Plug) ? ConnectorWords(*list, number) : PinoutWords(*list, number);
    }
    if ((is(DataPrefix::Cable) || is(DataPrefix::Notes)) && number < CableRowCount) {
        const CableIndex* cables = index.Quietly();
        const IndexedCable* cable = cables ? cables->find(number) : nullptr;
        if (!cable) return std::string();
        return is(DataPrefix::Cable) ? WiringText(*cable, Catalog.cables[number].name ? Catalog.cables[number].name : "")
                                     : NotesWords(*cable);
    }
    return std::string();
}
