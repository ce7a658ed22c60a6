#pragma once
// One cable the guide can show, whatever its origin: a row of the cable table or one of the user's
// own cables of DATA\MYCABLES. Every command, panel, printout and accessible object takes this
// value; only where it comes from says which. No windows.h here.

#include <string>
#include <vector>

#include "datafiles/CableIndex.h"
#include "datafiles/ConnectorList.h"

constexpr const char* MyCablesFolder = "DATA\\MYCABLES";
constexpr const char* ShippedSourcesFolder = "DATA\\SOURCES";

// Where a cable comes from: a row of the table, or a source file of DATA\MYCABLES.
struct CableOrigin {
    int tableRow = 0;    // the row of the cable table; 0 for one of the user's own
    std::string myFile;  // the user's source file name, "DE-9 adapter.txt"; "" for a table cable
    bool IsMine() const { return !myFile.empty(); }
    bool operator==(const CableOrigin& o) const { return tableRow == o.tableRow && myFile == o.myFile; }
    bool operator!=(const CableOrigin& o) const { return !(*this == o); }
};

inline CableOrigin TableRow(int row) { return {row, std::string()}; }
inline CableOrigin MyCableFile(std::string file) { return {0, std::move(file)}; }

// One end of a cable: its connector drawing and its pinout drawing, and what they show in words.
struct CableEnd {
    std::string plug;          // the connector drawing's file
    std::string pinouts;       // the pinout drawing's file
    ConnectorEntry connector;  // its name, gender and view; an empty name when nothing says
    PinoutEntry pinoutRows;    // the pinout drawing's name and rows; an empty name when nothing says
};

struct Cable {
    CableOrigin origin;
    std::string name;
    // The drawings' files, relative to the current directory.
    std::string diagram;
    std::string notes;
    CableEnd start, end;
    // Its entry in the cable index: wires, notes and continuity list; `entry` is empty without it.
    bool indexed = false;
    IndexedCable entry;
    std::string source;     // the wiring source it is made from
    std::string userNotes;  // the user's own notes on it, a text file

    // The welcome drawings of row 0 show no cable: nothing to copy.
    bool IsNoCable() const { return !origin.IsMine() && origin.tableRow == 0; }
};

// Cable `row` of the table (row 0 for a row outside it): its files by the data folder's naming
// rule, its index entry from `index` and its connectors' rows from `connectors` where they have
// them; either may be null when it cannot be read.
Cable TableCable(int row, const CableIndex* index = nullptr, const ConnectorList* connectors = nullptr);

// The table's cables in use, ascending, each with its entry of `index`: what Find cable searches.
std::vector<Cable> TableCables(const CableIndex& index);

// A row of a list of the user's own cables: the text it shows and the cable it stands for.
struct ListedCable {
    std::string row;
    CableOrigin origin;
};
