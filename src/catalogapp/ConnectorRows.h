#pragma once
// What the catalog window's lists say: the connectors under their group headings, the pinouts of
// one connector, the cables using it, and the status line. No windows.h here.

#include <string>
#include <vector>

#include "datafiles/ConnectorList.h"

struct ConnectorRow {
    std::string text;
    int connector;  // index into the list's connectors; -1 for a group heading
};

// A heading row wherever the group changes, then one row per connector: "  009  DE-9 (9-pin D-sub)".
// Only the connectors whose name or group holds every one of the words, in any case.
std::vector<ConnectorRow> ConnectorRows(const ConnectorList& list, const std::string& words = "");

// The row the selection settles on when the user moves from row `from` to row `to`: `to` itself
// when it holds a connector, else the first connector row beyond it in the direction moved, else
// the nearest one the other way; -1 when there is none.
int SelectableRow(const std::vector<ConnectorRow>& rows, int from, int to);

// "001  DE-9 RS-232 (PC, DTE)", or "000" alone when the list names no such pinout.
std::string PinoutRowText(int number, const std::string& name);
// "38  MAC - PC (DB9) serial"
std::string CableRowText(int number, const char* name);

// The pinout shown after stepping `step` (+1 or -1) from `index` among `count`, round the ends.
int SteppedPinout(int index, int step, int count);

// What the status line says about the connector shown and pinout `index` of its pinouts.
std::string CatalogStatusText(const ConnectorEntry& entry, int index);
