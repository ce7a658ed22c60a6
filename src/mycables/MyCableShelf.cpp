#include "mycables/MyCableShelf.h"

#include <algorithm>
#include <cctype>

#include "cables/CableSearch.h"
#include "mycables/MyCableCache.h"
#include "mycables/MyCableFiles.h"
#include "wiring/TextEncoding.h"
#include "cables/CableTable.h"

namespace {
// More sources than this are not listed: the list is for reading, not a dump.
constexpr std::size_t MaxSources = 500;
constexpr std::size_t MaxConnectorSources = 200;

bool anyFile(const std::string&) { return true; }

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The table's cables, which a user cable's notes may name with {cable N}.
const wiring::CableNames& TableNames() {
    static const wiring::CableNames names = CableNamesByNumber();
    return names;
}

}  // namespace

std::string MyCable::errorText() const {
    std::vector<wiring::SourceError> shown = errors.empty() ? std::vector<wiring::SourceError>{{}} : errors;
    for (wiring::SourceError& fault : shown)
        if (fault.file.empty()) fault.file = file();
    if (shown.size() == 1) return shown.front().guideText();
    // Several: under each file's name, a bullet a fault, so that where a wrapped fault ends shows.
    std::string text;
    for (std::size_t i = 0; i < shown.size() && i < MaxShownErrors; ++i) {
        if (i == 0 || shown[i].file != shown[i - 1].file) text += (i == 0 ? "" : "\n") + shown[i].file + ":";
        text += "\n\x95 " + (shown[i].line == 0 ? std::string() : "line " + std::to_string(shown[i].line) + ": ") + shown[i].message;
    }
    if (shown.size() > MaxShownErrors) text += "\nand " + std::to_string(shown.size() - MaxShownErrors) + " more";
    return text;
}

MyCableShelf::MyCableShelf(MyCableFolder& files, std::string folder, std::string shippedFolder)
    : files(files), folderPath(std::move(folder)), shippedPath(std::move(shippedFolder)) {}

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

std::vector<wiring::SourceText> MyCableShelf::readAll(const std::string& folder,
                                                      const std::vector<FolderFile>& found) const {
    std::vector<wiring::SourceText> texts;
    for (const FolderFile& file : found) {
        wiring::SourceText text{file.name, {}};
        if (files.Read(folder + "\\" + file.name, wiring::MaxUserSourceBytes + 1, text.bytes)) texts.push_back(text);
    }
    return texts;
}

const std::vector<wiring::SourceText>& MyCableShelf::shippedConnectors() {
    if (shippedRead) return shipped;
    shippedRead = true;
    const std::string folder = shippedPath + "\\connectors";
    shipped = readAll(folder, files.TextFiles(folder, anyFile, MaxConnectorSources));
    return shipped;
}

std::vector<std::string> MyCableShelf::Refresh() {
    loaded = true;
    // The user's connectors take part in every cable's stamp: a changed one compiles them all again.
    std::uint64_t connectorStamp = 0;
    const std::vector<FolderFile> connectors = files.TextFiles(folderPath, IsConnectorSourceName, MaxConnectorSources);
    for (const FolderFile& found : connectors)
        connectorStamp = MixStamp(MixStamp(connectorStamp, found.stamp), std::hash<std::string>()(found.name));
    bool connectorsRead = false;

    std::vector<std::string> changed;
    std::vector<MyCable> now;
    for (const FolderFile& found : files.TextFiles(folderPath, IsCableSourceName, MaxSources)) {
        const std::uint64_t stamp = MixStamp(found.stamp, connectorStamp);
        const MyCable* before = Find(found.name);
        if (before && before->stamp == stamp) {
            now.push_back(*before);
            continue;
        }
        if (!connectorsRead) {
            connectorsRead = true;
            userConnectors = readAll(folderPath, connectors);
        }
        now.push_back(load(found.name, stamp, before));
        changed.push_back(found.name);
    }
    for (const MyCable& old : cables)
        if (std::none_of(now.begin(), now.end(), [&old](const MyCable& c) { return c.file() == old.file(); }))
            changed.push_back(old.file());
    std::stable_sort(now.begin(), now.end(), [](const MyCable& a, const MyCable& b) { return NaturalLess(a.row(), b.row()); });
    cables = std::move(now);
    removeCachesWithoutSource();
    return changed;
}

// A cache folder whose source is gone is of no use to anyone.
void MyCableShelf::removeCachesWithoutSource() const {
    const std::string cacheRoot = folderPath + "\\CACHE";
    for (const std::string& folder : files.Folders(cacheRoot)) {
        const bool kept = std::any_of(cables.begin(), cables.end(), [&](const MyCable& cable) {
            return lower(CacheFolderOf(folderPath, cable.file())) == lower(cacheRoot + "\\" + folder);
        });
        if (!kept) files.RemoveFolder(cacheRoot + "\\" + folder);
    }
}

MyCable MyCableShelf::load(const std::string& file, std::uint64_t stamp, const MyCable* before) {
    MyCable cable;
    cable.cable = unnamed(file);
    cable.stamp = stamp;
    const std::string cache = CacheFolderOf(folderPath, file);
    if (ReadCache(files, cache, stamp, true, cable.cable)) {
        cable.drawable = true;
        return cable;
    }

    wiring::SourceText source{file, {}};
    wiring::UserCable compiled;
    if (!files.Read(folderPath + "\\" + file, wiring::MaxUserSourceBytes + 1, source.bytes))
        compiled.errors = {{file, 0, "the file cannot be read"}};
    else
        compiled = wiring::CompileUserCable(source, userConnectors, shippedConnectors(), TableNames());
    if (compiled.ok) {
        if (WriteCache(files, cache, stamp, compiled, cable.cable)) {
            cable.drawable = true;
            return cable;
        }
        compiled.errors = {{file, 0, "its drawings cannot be written into " + folderPath + "\\CACHE"}};
    }
    cable.broken = true;
    cable.errors = compiled.errors;
    for (wiring::SourceError& fault : cable.errors)
        if (fault.file.empty()) fault.file = file;
    // The last good drawings stay until the source compiles again.
    if (before && before->drawable) {
        cable.drawable = true;
        cable.cable = before->cable;
    } else {
        cable.drawable = ReadCache(files, cache, stamp, false, cable.cable);
    }
    return cable;
}

std::string MyCableShelf::writeSource(const std::string& stem, const std::string& text, std::string& error) const {
    files.MakeFolder(folderPath);
    const std::string folder = folderPath;
    const std::string name =
        FreeFileName(FileNameFor(stem), [this, &folder](const std::string& n) { return files.Exists(folder + "\\" + n); });
    const std::string path = folderPath + "\\" + name;
    if (!files.Write(path, text, true)) {
        error = "The file " + path + " cannot be written.";
        return std::string();
    }
    return path;
}

// The copy is written as text: the source decoded, renamed or given its head, and written in the
// one encoding the guide writes, whatever the source was saved in.
std::string MyCableShelf::WriteNewCable(const Cable& cable, std::string& error) const {
    std::string bytes, text;
    const bool readable = files.Read(cable.source, wiring::MaxUserSourceBytes + 1, bytes);
    if (readable) {
        try {
            text = wiring::decodeToCodePage1252(bytes, cable.source);
        } catch (const wiring::DataError& fault) {
            error = "No copy was written: " + fault.error().guideText();
            return std::string();
        }
    }
    if (cable.origin.IsMine()) {
        if (!readable) {
            error = "The file " + cable.source + " cannot be read.";
            return std::string();
        }
        const std::string name = cable.name + " - copy";
        return writeSource(name, wiring::encodeUtf8WithMark(RenamedSource(text, name)), error);
    }
    const int row = cable.origin.tableRow;
    if (row != 0 && !readable)
        text = "# The wiring of this cable was to come from " + cable.source + ", which cannot be read.\r\n";
    const std::string made = NewCableSource(row, text);
    return writeSource(row != 0 ? cable.name + " - copy" : "My cable", wiring::encodeUtf8WithMark(made), error);
}

void MyCableShelf::MakeNotesFile(const Cable& cable) const {
    if (cable.origin.IsMine() && !files.Exists(cable.userNotes)) files.Write(cable.userNotes, std::string(), true);
}

Cable MyCableShelf::unnamed(const std::string& file) const {
    Cable cable;
    cable.origin = MyCableFile(file);
    cable.name = file;
    cable.source = folderPath + "\\" + file;
    cable.userNotes = folderPath + "\\" + NotesFileNameFor(file);
    return cable;
}
