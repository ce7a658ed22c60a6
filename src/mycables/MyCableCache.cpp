#include "mycables/MyCableCache.h"

#include <algorithm>
#include <map>

#include "cables/CableTable.h"
#include "datafiles/CableIndex.h"
#include "datafiles/ConnectorList.h"
#include "datafiles/TextRecords.h"
#include "drawing/MetafileCheck.h"

namespace {
constexpr std::size_t MaxHeadBytes = 16 * 1024;

using wiring::EndDrawing;
using wiring::UserCable;

// The six drawings of a cable, as the cache names them.
struct DrawingSlot {
    const char* key;   // its record in HEAD.TXT
    const char* file;  // its file in the cache when it is compiled
    std::string& (*path)(Cable&);
    EndDrawing (*compiled)(const UserCable&);  // the diagram and the notes are always compiled
};
const DrawingSlot Slots[] = {
    {"DIAGRAM", "DIAGRAM.WMF", [](Cable& c) -> std::string& { return c.diagram; },
     [](const UserCable& u) { return EndDrawing{"", u.diagram}; }},
    {"NOTES", "NOTES.WMF", [](Cable& c) -> std::string& { return c.notes; },
     [](const UserCable& u) { return EndDrawing{"", u.notes}; }},
    {"START", "START.WMF", [](Cable& c) -> std::string& { return c.start.plug; },
     [](const UserCable& u) { return u.startPlug; }},
    {"END", "END.WMF", [](Cable& c) -> std::string& { return c.end.plug; }, [](const UserCable& u) { return u.endPlug; }},
    {"STARTPINOUTS", "STARTPIN.WMF", [](Cable& c) -> std::string& { return c.start.pinouts; },
     [](const UserCable& u) { return u.startPinouts; }},
    {"ENDPINOUTS", "ENDPIN.WMF", [](Cable& c) -> std::string& { return c.end.pinouts; },
     [](const UserCable& u) { return u.endPinouts; }},
};

std::string hex(std::uint64_t value) {
    char text[17];
    for (int i = 15; i >= 0; --i, value >>= 4) text[i] = "0123456789abcdef"[value & 15];
    text[16] = '\0';
    return text;
}

std::string stemOf(const std::string& file) {
    const std::size_t dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

// "DATA\PLUG\PLUG.009" or "DATA\PINOUTS\PINOUTS.035" as the compiler names a shipped drawing;
// anything else never becomes a path.
std::string shippedDrawingPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    for (const char* prefix : {DataPrefix::Plug, DataPrefix::Pinouts}) {
        const std::string p(prefix);
        if (path.size() == p.size() + 3 && path.compare(0, p.size(), p) == 0 &&
            path.find_first_not_of("0123456789", p.size()) == std::string::npos)
            return path;
    }
    return std::string();
}

bool soundMetafile(const std::string& bytes) {
    return IsSoundMetafile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// The ends' connector rows as a connector list of their own: the start's entries are number 1, the
// end's number 2; a group the user's drawing does not give is written as "-".
std::string rowsText(const Cable& cable) {
    ConnectorList list;
    int number = 1;
    for (const CableEnd* end : {&cable.start, &cable.end}) {
        ConnectorEntry connector = end->connector;
        connector.number = number;
        connector.pinouts.clear();
        if (connector.group.empty()) connector.group = "-";
        if (!connector.name.empty()) list.connectors.push_back(connector);
        PinoutEntry pinout = end->pinoutRows;
        pinout.number = number++;
        if (!pinout.name.empty()) list.pinouts.push_back(pinout);
    }
    return FormatConnectorList(list);
}

bool readRows(const std::string& text, Cable& cable) {
    const ConnectorListReading reading = ParseConnectorList(text);
    if (!reading.ok) return false;
    int number = 1;
    for (CableEnd* end : {&cable.start, &cable.end}) {
        end->connector = {};
        end->pinoutRows = {};
        if (const ConnectorEntry* found = reading.list.connector(number)) end->connector = *found;
        if (end->connector.group == "-") end->connector.group.clear();
        if (const PinoutEntry* found = reading.list.pinout(number)) end->pinoutRows = *found;
        ++number;
    }
    return true;
}
}  // namespace

std::uint64_t MixStamp(std::uint64_t seed, std::uint64_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2);
    return seed;
}

std::string CacheFolderOf(const std::string& myCablesFolder, const std::string& file) {
    return myCablesFolder + "\\CACHE\\" + stemOf(file);
}

bool ReadCache(MyCableFolder& files, const std::string& dir, std::uint64_t stamp, bool stampMustMatch, Cable& cable) {
    std::string head;
    if (!files.Read(dir + "\\HEAD.TXT", MaxHeadBytes + 1, head) || head.size() > MaxHeadBytes) return false;
    std::map<std::string, std::string> records;
    for (const std::string& line : SplitFields(head, '\n')) {
        std::vector<std::string> fields = SplitFields(line.substr(0, line.find('\r')), '\t');
        if (fields.size() == 2) records[fields[0]] = fields[1];
    }
    if (stampMustMatch && records["STAMP"] != hex(stamp)) return false;
    if (records["NAME"].empty()) return false;
    Cable read = cable;
    for (const DrawingSlot& slot : Slots) {
        const std::string& how = records[slot.key];
        std::string& path = slot.path(read);
        path.clear();
        std::string bytes;
        if (how == "CACHED") {
            path = dir + "\\" + slot.file;
            if (!files.Read(path, MaxMetafileBytes + 1, bytes) || !soundMetafile(bytes)) return false;
        } else if (how != "NONE") {
            path = shippedDrawingPath(how);
            if (path.empty()) return false;
        }
    }
    std::string indexText, rows;
    if (!files.Read(dir + "\\INDEX.IDX", MaxCableIndexBytes + 1, indexText)) return false;
    CableIndexReading reading = ParseCableIndex(indexText);
    if (!reading.ok || reading.index.cables.size() != 1) return false;
    if (!files.Read(dir + "\\ROWS.LST", MaxConnectorListBytes + 1, rows) || !readRows(rows, read)) return false;

    read.name = records["NAME"];
    read.indexed = true;
    read.entry = reading.index.cables.front();
    cable = read;
    return true;
}

bool WriteCache(MyCableFolder& files, const std::string& dir, std::uint64_t stamp, const wiring::UserCable& compiled,
                Cable& cable) {
    const std::string cacheRoot = dir.substr(0, dir.find_last_of('\\'));
    files.MakeFolder(cacheRoot);
    files.MakeFolder(dir);
    Cable made = cable;
    made.name = compiled.name;
    made.indexed = true;
    made.entry = compiled.index;
    made.entry.number = 0;
    made.start.connector = compiled.startConnector;
    made.end.connector = compiled.endConnector;
    made.start.pinoutRows = compiled.startPinoutRows;
    made.end.pinoutRows = compiled.endPinoutRows;
    // The head goes last: a cache whose writing broke off has none that matches, and is made again.
    files.Remove(dir + "\\HEAD.TXT");
    std::string head = "STAMP\t" + hex(stamp) + "\r\nNAME\t" + compiled.name + "\r\n";
    for (const DrawingSlot& slot : Slots) {
        const EndDrawing drawing = slot.compiled(compiled);
        std::string& path = slot.path(made);
        path.clear();
        std::string how = "NONE";
        if (!drawing.metafile.empty()) {
            if (!soundMetafile(drawing.metafile) || !files.Write(dir + "\\" + slot.file, drawing.metafile, false))
                return false;
            how = "CACHED";
            path = dir + "\\" + slot.file;
        } else if (!shippedDrawingPath(drawing.shippedPath).empty()) {
            path = shippedDrawingPath(drawing.shippedPath);
            how = path;
        }
        head += std::string(slot.key) + "\t" + how + "\r\n";
    }
    CableIndex one;
    one.cables.push_back(made.entry);
    if (!files.Write(dir + "\\INDEX.IDX", FormatCableIndex(one), false)) return false;
    if (!files.Write(dir + "\\ROWS.LST", rowsText(made), false)) return false;
    if (!files.Write(dir + "\\HEAD.TXT", head, false)) return false;
    cable = made;
    return true;
}
