#pragma once
// The user's own cables, DATA\MYCABLES\*.txt: read, compiled and listed. Each source's drawings and
// index entry are kept in a cache beside the sources (DATA\MYCABLES\CACHE\<file>\), so the panels,
// the notes dialog and printing draw them from files as they draw the table's. A cache is used
// only while it matches its source and every drawing in it passes the metafile check; otherwise
// the source is compiled again. Nothing is written outside DATA\MYCABLES.

#include <cstdint>
#include <string>
#include <vector>

#include "cables/CableTable.h"
#include "cables/MyCableCompiler.h"
#include "cables/MyCableFiles.h"
#include "datafiles/CableIndex.h"

struct MyCable {
    std::string file;            // the source's file name, "DE-9 adapter.txt"
    std::string name;            // its 'name' line; the file name while it has never compiled
    bool broken = false;         // the source as it is now does not compile: `error` says why
    wiring::SourceError error;
    bool drawable = false;       // `files` and `index` hold drawings: the source's, or its last good ones
    CableFiles files;
    IndexedCable index;          // number 0
    std::uint64_t stamp = 0;     // what the source and the user's connectors were when last read

    // The row of the selection list: the name, or the file name and " (error)".
    std::string row() const { return broken ? file + " (error)" : name; }
    // "<file>, line N: <message>" (no line when the fault is the whole file's).
    std::string errorText() const;
};

class MyCableShelf {
public:
    explicit MyCableShelf(std::string folder = MyCablesFolder, std::string shippedFolder = ShippedSourcesFolder);

    // Reads the folder again and compiles what changed since the last look (or since its cache was
    // made). The file names of the cables that changed, came or went.
    std::vector<std::string> Refresh();
    // Whether the folder has been read yet; the program reads it when the user first asks for it.
    bool Loaded() const { return loaded; }

    // Sorted by name, case ignored, numbers by value.
    const std::vector<MyCable>& Cables() const { return cables; }
    std::vector<std::string> Rows() const;
    // The names the find dialog lists them by, in the same order.
    std::vector<std::string> Names() const;
    // The cable of that source file, or null.
    const MyCable* Find(const std::string& file) const;

    // Writes a new source for cable `number` of the table (its head and its shipped source; a
    // skeleton for 0) under a free name; the path written, or "" with `error` set.
    std::string WriteNewCable(int number, std::string& error) const;
    // The same for a copy of one of the user's own cables.
    std::string WriteCopy(const MyCable& cable, std::string& error) const;
    std::string SourcePath(const MyCable& cable) const { return folderPath + "\\" + cable.file; }
    // The user's notes file of a cable, made empty when it is not there yet.
    std::string NotesPath(const MyCable& cable) const;

    const std::string& folder() const { return folderPath; }

private:
    MyCable load(const std::string& file, std::uint64_t stamp, const MyCable* before);
    bool readCache(MyCable& cable, bool stampMustMatch) const;
    void writeCache(MyCable& cable, const wiring::UserCable& compiled) const;
    const std::vector<wiring::SourceText>& shippedConnectors();
    std::string writeSource(const std::string& name, const std::string& text, std::string& error) const;

    std::string folderPath;
    std::string shippedPath;
    bool loaded = false;
    bool shippedRead = false;
    std::vector<wiring::SourceText> shipped;
    std::vector<wiring::SourceText> userConnectors;
    std::vector<MyCable> cables;
};
