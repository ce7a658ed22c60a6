#pragma once
// The printed page of one connector: its name, which pinout is shown, and its connector and pinout
// drawings side by side. Page units are 0.01 mm (MM_HIMETRIC), as on the guide's cable sheet, whose
// title position and drawing placement this page shares. No windows.h here.

#include <array>
#include <string>

#include "datafiles/ConnectorList.h"
#include "print/PageLayout.h"

constexpr const char* ConnectorDocumentName = "Strandor! connector catalog";

// Under the title, centred on 105 mm, 27 mm down.
constexpr PagePoint SubtitlePosition = {10500, -2700};

// "Connector 009, pinout 001: DE-9 RS-232 (PC, DTE)"; without a pinout "Connector 009, no pinout drawing".
std::string ConnectorPageSubtitle(const ConnectorEntry& entry, int pinout, const std::string& pinoutName);

// The connector drawing with its (0, 0) 60 mm right and 90 mm down, the pinout drawing 150 mm right
// on the same baseline; drawings reach 19 mm to either side, 44 mm up and down.
std::array<SheetDrawing, 2> ConnectorPageDrawings(int plug, int pinout);
