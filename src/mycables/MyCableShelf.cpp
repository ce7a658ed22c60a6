#include "mycables/MyCableShelf.h"

#include <windows.h>

#include <algorithm>
#include <map>

#include "cables/CableSearch.h"
#include "cables/MyCableFiles.h"
#include "datafiles/ConnectorList.h"
#include "datafiles/TextRecords.h"
#include "drawing/MetafileCheck.h"

namespace {
// More sources than this are not listed: the list is for reading, not a dump.
constexpr std::size_t MaxSources = 500;
constexpr std::size_t MaxConnectorSources = 200;
constexpr std::size_t MaxHeadBytes = 16 * 1024;

// A handle of the kind `release` closes, closed when it goes.
template <BOOL(WINAPI* release)(HANDLE)>
class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle(handle) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() {
        if (valid()) release(handle);
    }
    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle; }

private:
    HANDLE handle;
};
using FileHandle = OwnedHandle<::CloseHandle>;
using FindHandle = OwnedHandle<::FindClose>;

struct FolderFile {
    std::string name;
    std::uint64_t stamp;
};

std::uint64_t mix(std::uint64_t seed, std::uint64_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2);
    return seed;
}

std::uint64_t stampOf(const WIN32_FIND_DATAA& found) {
    const std::uint64_t written = (std::uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32) | found.ftLastWriteTime.dwLowDateTime;
    const std::uint64_t size = (std::uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    return mix(written, size);
}

// The plain files of the folder whose names `wanted` takes, at most `limit` of them.
std::vector<FolderFile> filesOf(const std::string& folder, bool (*wanted)(const std::string&), std::size_t limit) {
    std::vector<FolderFile> files;
    WIN32_FIND_DATAA found;
    FindHandle find(::FindFirstFileA((folder + "\\*.txt").c_str(), &found));
    if (!find.valid()) return files;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (wanted(found.cFileName)) files.push_back({found.cFileName, stampOf(found)});
    } while (files.size() < limit && ::FindNextFileA(find.get(), &found));
    return files;
}

bool anyFile(const std::string&) { return true; }

// At most `limit` bytes of the file; false when it cannot be read.
bool readFile(const std::string& path, std::size_t limit, std::string& bytes) {
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    bytes.clear();
    char buffer[16 * 1024];
    DWORD got = 0;
    while (bytes.size() < limit && ::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, std::min<std::size_t>(got, limit - bytes.size()));
    return true;
}

bool writeFile(const std::string& path, const std::string& bytes, bool mustBeNew) {
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, mustBeNew ? CREATE_NEW : CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    DWORD written = 0;
    return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

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

// The six drawings of a cable, as the cache names them.
struct DrawingSlot {
    const char* key;   // its record in HEAD.TXT
    const char* file;  // its file in the cache when it is compiled
    std::string& (*path)(Cable&);
};
const DrawingSlot Slots[] = {
    {"DIAGRAM", "DIAGRAM.WMF", [](Cable& c) -> std::string& { return c.diagram; }},
    {"NOTES", "NOTES.WMF", [](Cable& c) -> std::string& { return c.notes; }},
    {"START", "START.WMF", [](Cable& c) -> std::string& { return c.start.plug; }},
    {"END", "END.WMF", [](Cable& c) -> std::string& { return c.end.plug; }},
    {"STARTPINOUTS", "STARTPIN.WMF", [](Cable& c) -> std::string& { return c.start.pinouts; }},
    {"ENDPINOUTS", "ENDPIN.WMF", [](Cable& c) -> std::string& { return c.end.pinouts; }},
};

// The ends' connector rows as a connector list of their own, ROWS.LST: the start's entries are
// number 1, the end's number 2; a group the user's drawing does not give is written as "-".
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
        if (const ConnectorEntry* found = reading.list.connector(number)) end->connector = *found;
        if (end->connector.group == "-") end->connector.group.clear();
        if (const PinoutEntry* found = reading.list.pinout(number)) end->pinoutRows = *found;
        ++number;
    }
    return true;
}

std::string hex(std::uint64_t value) {
    char text[17];
    for (int i = 15; i >= 0; --i, value >>= 4) text[i] = "0123456789abcdef"[value & 15];
    text[16] = '\0';
    return text;
}
}  // namespace

std::string MyCable::errorText() const {
    const std::string where = error.file.empty() ? file() : error.file;
    return error.line > 0 ? where + ", line " + std::to_string(error.line) + ": " + error.message
                          : where + ": " + error.message;
}

MyCableShelf::MyCableShelf(std::string folder, std::string shippedFolder)
    : folderPath(std::move(folder)), shippedPath(std::move(shippedFolder)) {}

std::vector<ListedCable> MyCableShelf::Rows() const {
    std::vector<ListedCable> rows;
    for (const MyCable& cable : cables) rows.push_back({cable.row(), cable.cable.origin});
    return rows;
}

std::vector<Cable> MyCableShelf::Drawable() const {
    std::vector<Cable> drawable;
    for (const MyCable& cable : cables)
        if (cable.drawable) drawable.push_back(cable.cable);
    return drawable;
}

const MyCable* MyCableShelf::Find(const std::string& file) const {
    for (const MyCable& cable : cables)
        if (cable.file() == file) return &cable;
    return nullptr;
}

const std::vector<wiring::SourceText>& MyCableShelf::shippedConnectors() {
    if (shippedRead) return shipped;
    shippedRead = true;
    const std::string folder = shippedPath + "\\connectors";
    for (const FolderFile& found : filesOf(folder, anyFile, MaxConnectorSources)) {
        wiring::SourceText text{found.name, {}};
        if (readFile(folder + "\\" + found.name, wiring::MaxUserSourceBytes + 1, text.bytes)) shipped.push_back(text);
    }
    return shipped;
}

std::vector<std::string> MyCableShelf::Refresh() {
    loaded = true;
    // The user's connectors take part in every cable's stamp: a changed one compiles them all again.
    std::uint64_t connectorStamp = 0;
    const std::vector<FolderFile> connectors = filesOf(folderPath, IsConnectorSourceName, MaxConnectorSources);
    for (const FolderFile& found : connectors) connectorStamp = mix(mix(connectorStamp, found.stamp), std::hash<std::string>()(found.name));
    bool connectorsRead = false;

    std::vector<std::string> changed;
    std::vector<MyCable> now;
    for (const FolderFile& found : filesOf(folderPath, IsCableSourceName, MaxSources)) {
        const std::uint64_t stamp = mix(found.stamp, connectorStamp);
        const MyCable* before = Find(found.name);
        if (before && before->stamp == stamp) {
            now.push_back(*before);
            continue;
        }
        if (!connectorsRead) {
            connectorsRead = true;
            userConnectors.clear();
            for (const FolderFile& connector : connectors) {
                wiring::SourceText text{connector.name, {}};
                if (readFile(folderPath + "\\" + connector.name, wiring::MaxUserSourceBytes + 1, text.bytes))
                    userConnectors.push_back(text);
            }
        }
        now.push_back(load(found.name, stamp, before));
        changed.push_back(found.name);
    }
    for (const MyCable& old : cables)
        if (std::none_of(now.begin(), now.end(), [&old](const MyCable& c) { return c.file() == old.file(); }))
            changed.push_back(old.file());
    std::stable_sort(now.begin(), now.end(), [](const MyCable& a, const MyCable& b) { return NaturalLess(a.row(), b.row()); });
    cables = std::move(now);
    return changed;
}

MyCable MyCableShelf::load(const std::string& file, std::uint64_t stamp, const MyCable* before) {
    MyCable cable;
    cable.cable = unnamed(file);
    cable.stamp = stamp;
    if (readCache(cable, true)) return cable;

    wiring::SourceText source{file, {}};
    wiring::UserCable compiled;
    if (!readFile(folderPath + "\\" + file, wiring::MaxUserSourceBytes + 1, source.bytes))
        compiled.error = {file, 0, "the file cannot be read"};
    else
        compiled = wiring::CompileUserCable(source, userConnectors, shippedConnectors());
    if (compiled.ok) {
        writeCache(cable, compiled);
        if (cable.drawable) return cable;
        compiled.error = {file, 0, "its drawings cannot be written into " + folderPath + "\\CACHE"};
    }
    cable.broken = true;
    cable.error = compiled.error;
    if (cable.error.file.empty()) cable.error.file = file;
    // The last good drawings stay until the source compiles again.
    if (before && before->drawable) {
        cable.drawable = true;
        cable.cable = before->cable;
    } else if (readCache(cable, false)) {
        cable.broken = true;
    }
    return cable;
}

bool MyCableShelf::readCache(MyCable& cable, bool stampMustMatch) const {
    const std::string dir = folderPath + "\\CACHE\\" + stemOf(cable.file());
    std::string head;
    if (!readFile(dir + "\\HEAD.TXT", MaxHeadBytes + 1, head) || head.size() > MaxHeadBytes) return false;
    std::map<std::string, std::string> records;
    for (const std::string& line : SplitFields(head, '\n')) {
        std::vector<std::string> fields = SplitFields(line.substr(0, line.find('\r')), '\t');
        if (fields.size() == 2) records[fields[0]] = fields[1];
    }
    if (stampMustMatch && records["STAMP"] != hex(cable.stamp)) return false;
    if (records["NAME"].empty()) return false;
    Cable read = unnamed(cable.file());
    for (const DrawingSlot& slot : Slots) {
        const std::string& how = records[slot.key];
        std::string& path = slot.path(read);
        path.clear();
        if (how == "CACHED") {
            path = dir + "\\" + slot.file;
            if (!IsPlayableMetafile(path.c_str())) return false;
        } else if (how != "NONE") {
            path = shippedDrawingPath(how);
            if (path.empty()) return false;
        }
    }
    std::string indexText, rows;
    if (!readFile(dir + "\\INDEX.IDX", MaxCableIndexBytes + 1, indexText)) return false;
    CableIndexReading reading = ParseCableIndex(indexText);
    if (!reading.ok || reading.index.cables.size() != 1) return false;
    if (!readFile(dir + "\\ROWS.LST", MaxConnectorListBytes + 1, rows) || !readRows(rows, read)) return false;

    read.name = records["NAME"];
    read.indexed = true;
    read.entry = reading.index.cables.front();
    cable.cable = read;
    cable.drawable = true;
    return true;
}

void MyCableShelf::writeCache(MyCable& cable, const wiring::UserCable& compiled) const {
    const std::string cacheRoot = folderPath + "\\CACHE";
    const std::string dir = cacheRoot + "\\" + stemOf(cable.file());
    ::CreateDirectoryA(cacheRoot.c_str(), nullptr);
    ::CreateDirectoryA(dir.c_str(), nullptr);
    const std::string* metafiles[] = {&compiled.diagram, &compiled.notes, &compiled.startPlug.metafile,
                                      &compiled.endPlug.metafile, &compiled.startPinouts.metafile,
                                      &compiled.endPinouts.metafile};
    const std::string* shippedPaths[] = {nullptr, nullptr, &compiled.startPlug.shippedPath, &compiled.endPlug.shippedPath,
                                         &compiled.startPinouts.shippedPath, &compiled.endPinouts.shippedPath};
    // Drawn from the files about to be written, as the next start will draw them from the cache.
    Cable made = unnamed(cable.file());
    made.name = compiled.name;
    made.indexed = true;
    made.entry = compiled.index;
    made.entry.number = 0;
    made.start.connector = compiled.startConnector;
    made.end.connector = compiled.endConnector;
    made.start.pinoutRows = compiled.startPinoutRows;
    made.end.pinoutRows = compiled.endPinoutRows;
    // The head goes last: a cache whose writing broke off has none that matches, and is made again.
    ::DeleteFileA((dir + "\\HEAD.TXT").c_str());
    std::string head = "STAMP\t" + hex(cable.stamp) + "\r\nNAME\t" + compiled.name + "\r\n";
    for (std::size_t i = 0; i < std::size(Slots); ++i) {
        std::string how = "NONE";
        std::string& path = Slots[i].path(made);
        path.clear();
        if (!metafiles[i]->empty()) {
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(metafiles[i]->data());
            if (!IsSoundMetafile(bytes, metafiles[i]->size())) return;
            if (!writeFile(dir + "\\" + Slots[i].file, *metafiles[i], false)) return;
            how = "CACHED";
            path = dir + "\\" + Slots[i].file;
        } else if (shippedPaths[i] && !shippedDrawingPath(*shippedPaths[i]).empty()) {
            how = *shippedPaths[i];
            path = shippedDrawingPath(how);
        }
        head += std::string(Slots[i].key) + "\t" + how + "\r\n";
    }
    CableIndex one;
    one.cables.push_back(made.entry);
    if (!writeFile(dir + "\\INDEX.IDX", FormatCableIndex(one), false)) return;
    if (!writeFile(dir + "\\ROWS.LST", rowsText(made), false)) return;
    if (!writeFile(dir + "\\HEAD.TXT", head, false)) return;
    cable.cable = made;
    cable.drawable = true;
}

std::string MyCableShelf::writeSource(const std::string& stem, const std::string& text, std::string& error) const {
    ::CreateDirectoryA(folderPath.c_str(), nullptr);
    const std::string folder = folderPath;
    const std::string name = FreeFileName(FileNameFor(stem), [&folder](const std::string& n) { return exists(folder + "\\" + n); });
    const std::string path = folderPath + "\\" + name;
    if (!writeFile(path, text, true)) {
        error = "The file " + path + " cannot be written.";
        return std::string();
    }
    return path;
}

std::string MyCableShelf::WriteNewCable(const Cable& cable, std::string& error) const {
    std::string text;
    const bool readable = readFile(cable.source, wiring::MaxUserSourceBytes, text);
    if (cable.origin.IsMine()) {
        if (!readable) {
            error = "The file " + cable.source + " cannot be read.";
            return std::string();
        }
        return writeSource(cable.name + " - copy", RenamedSource(text, cable.name + " - copy"), error);
    }
    const int row = cable.IsNoCable() ? 0 : cable.origin.tableRow;
    if (row != 0 && !readable)
        text = "# The wiring of this cable was to come from " + cable.source + ", which cannot be read.\r\n";
    return writeSource(row != 0 ? cable.name + " - copy" : "My cable", NewCableSource(row, text), error);
}

void MyCableShelf::MakeNotesFile(const Cable& cable) const {
    if (cable.origin.IsMine() && !exists(cable.userNotes)) writeFile(cable.userNotes, std::string(), true);
}

Cable MyCableShelf::unnamed(const std::string& file) const {
    Cable cable;
    cable.origin = MyCableFile(file);
    cable.name = file;
    cable.source = folderPath + "\\" + file;
    cable.userNotes = folderPath + "\\" + NotesFileNameFor(file);
    return cable;
}
