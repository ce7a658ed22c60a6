#pragma once
// The drawings told in words, for a screen reader: what a connector drawing, a pinout drawing and
// the notes drawing show, from a cable's connector rows and index entry, and the texts any drawing
// writes. No windows.h here.

#include <cstddef>
#include <cstdint>
#include <string>

#include "datafiles/CableIndex.h"
#include "datafiles/ConnectorList.h"

// "DE-9 (9-pin D-sub), female, mating face"; "" for an entry without a name (nothing known).
std::string ConnectorWords(const ConnectorEntry& entry);

// "DE-9 RS-232 (PC, DTE): 1 DCD in (carrier); 2 RxD in (receive); ..."; "" for an entry without a
// name.
std::string PinoutWords(const PinoutEntry& entry);

// The notes drawing: each paragraph under its heading ("What it is for: ..."), then the continuity
// checklist; lines ended with CR LF.
std::string NotesWords(const IndexedCable& cable);

// The texts a metafile writes, in the order it writes them, joined by blanks; "" for a file that
// is no sound metafile.
std::string MetafileWords(const std::uint8_t* bytes, std::size_t size);
