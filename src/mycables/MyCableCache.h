#pragma once
// The compiled drawings of one of the user's cables, kept beside the sources in
// DATA\MYCABLES\CACHE\<source name without .txt>\ so that the panels, the notes dialog and printing
// draw them from files as they draw the table's:
//     HEAD.TXT     STAMP <tab> the source's stamp when compiled; NAME <tab> its name; and a line for
//                  each drawing: DIAGRAM, NOTES, START, END, STARTPINOUTS, ENDPINOUTS <tab> CACHED
//                  (its .WMF beside the head), a shipped DATA file, or NONE
//     *.WMF        the compiled drawings
//     INDEX.IDX    its index entry, as the cable index writes one
//     ROWS.LST     its ends' connector rows, as the connector list writes them
// A cache is used only while its head's stamp matches and every file in it reads back whole;
// otherwise the source is compiled again. No windows.h here.

#include <cstdint>
#include <string>

#include "cables/Cable.h"
#include "mycables/MyCableFolder.h"
#include "wiring/UserCable.h"

// Folds `value` into `seed`: the stamps of a source and of the user's connector drawings.
std::uint64_t MixStamp(std::uint64_t seed, std::uint64_t value);

// The cache folder of source `file` of `myCablesFolder`.
std::string CacheFolderOf(const std::string& myCablesFolder, const std::string& file);

// Fills `cable` (its origin, source and notes file already set) from the cache in `dir`: its name,
// drawings, index entry and connector rows. False, with `cable` unchanged, when the cache is missing
// or damaged, or when `stampMustMatch` and it was made from another state of the source.
bool ReadCache(MyCableFolder& files, const std::string& dir, std::uint64_t stamp, bool stampMustMatch, Cable& cable);

// Writes `compiled` into the cache in `dir`, then fills `cable` as ReadCache would from it. False
// when a drawing is unsound or a file cannot be written.
bool WriteCache(MyCableFolder& files, const std::string& dir, std::uint64_t stamp, const wiring::UserCable& compiled,
                Cable& cable);
