#pragma once
// The user's own cables, DATA\MYCABLES\*.txt: read, compiled and listed. Each source's drawings,
// index entry and connector rows are kept in a cache beside the sources (MyCableCache.h), used
// only while it matches its source and reads back whole; otherwise the source is compiled again.
// The cache of a source that is gone goes too. Nothing is written outside DATA\MYCABLES. No
// windows.h here: the files come through a MyCableFolder.

#include <cstdint>
#include <string>
#include <vector>

#include "cables/Cable.h"
#include "mycables/MyCableFolder.h"
#include "wiring/UserCable.h"

struct MyCable {
    // Its origin is its source's file name, "DE-9 adapter.txt"; its name the 'name' line, or the
    // file name while it has never compiled.
    Cable cable;
    bool broken = false;         // the source as it is now does not compile: `errors` say why
    std::vector<wiring::SourceError> errors;
    // The first fault, whose file the editor opens; none while the source compiles.
    wiring::SourceError error() const { return errors.empty() ? wiring::SourceError{} : errors.front(); }
    bool drawable = false;       // `cable` holds drawings: the source's, or its last good ones
    std::uint64_t stamp = 0;     // what the source and the user's connectors were when last read

    const std::string& file() const { return cable.origin.myFile; }
    // The row of the selection list: the name, or the file name and " (error)".
    std::string row() const { return broken ? file() + " (error)" : cable.name; }
    // "<file>, line N: <message>" (no line when the fault is the whole file's); several faults a
    // bullet each under their file's name, and past the first MaxShownErrors, how many more there
    // are, so that a message box stays on the screen.
    std::string errorText() const;
    static constexpr std::size_t MaxShownErrors = 12;
};

class MyCableShelf {
public:
    // `files` outlives the shelf.
    explicit MyCableShelf(MyCableFolder& files, std::string folder = MyCablesFolder,
                          std::string shippedFolder = ShippedSourcesFolder);

    // Reads the folder again and compiles what changed since the last look (or since its cache was
    // made). The file names of the cables that changed, came or went.
    std::vector<std::string> Refresh();
    // Whether the folder has been read yet; the program reads it when the user first asks for it.
    bool Loaded() const { return loaded; }

    // Sorted by name, case ignored, numbers by value.
    const std::vector<MyCable>& Cables() const { return cables; }
    // The rows of the selection list, each with the cable it stands for.
    std::vector<ListedCable> Rows() const;
    // The ones that can be drawn, for Find cable.
    std::vector<Cable> Drawable() const;
    // The cable of that source file, or null.
    const MyCable* Find(const std::string& file) const;

    // Writes a new source made from `cable` (the head of a table cable and its shipped source, a
    // skeleton for no cable, or a copy of one of the user's own) under a free name; the path
    // written, or "" with `error` set.
    std::string WriteNewCable(const Cable& cable, std::string& error) const;
    // Makes the user's notes file of one of the user's cables, empty, when it is not there yet.
    void MakeNotesFile(const Cable& cable) const;

    const std::string& folder() const { return folderPath; }

private:
    // A cable of the folder as its file alone says: its name, source and notes file, no drawings.
    Cable unnamed(const std::string& file) const;
    MyCable load(const std::string& file, std::uint64_t stamp, const MyCable* before);
    const std::vector<wiring::SourceText>& shippedConnectors();
    std::vector<wiring::SourceText> readAll(const std::string& folder, const std::vector<FolderFile>& found) const;
    void removeCachesWithoutSource() const;
    std::string writeSource(const std::string& name, const std::string& text, std::string& error) const;

    MyCableFolder& files;
    std::string folderPath;
    std::string shippedPath;
    bool loaded = false;
    bool shippedRead = false;
    std::vector<wiring::SourceText> shipped;
    std::vector<wiring::SourceText> userConnectors;
    std::vector<MyCable> cables;
};
