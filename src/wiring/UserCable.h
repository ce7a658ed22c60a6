#pragma once
// A user's own cable: one source file of DATA\MYCABLES, compiled as the shipped cables are (the same
// reading, checks, layout and metafile writing), for the guide to show, print, find and copy.

#include <cstddef>
#include <string>
#include <vector>

#include "datafiles/CableIndex.h"
#include "datafiles/ConnectorList.h"
#include "wiring/CableReferences.h"
#include "wiring/SourceText.h"

namespace wiring {

// A source file handed in as text: the name it is shown by, and its bytes as read from disk.
struct SourceText {
    std::string name;   // file name only, e.g. "DE-9 adapter.txt", "plug-mini-din.txt", "plug-009.txt"
    std::string bytes;  // raw bytes: code page 1252, UTF-8 (with or without BOM) or UTF-16 LE with BOM
};

// One of an end's drawings: a shipped DATA file, or a metafile compiled from the user's own source.
struct EndDrawing {
    std::string shippedPath;  // as the guide's DataFileName gives it, e.g. "DATA\\PLUG\\PLUG.009"
    std::string metafile;     // bytes of a compiled drawing; empty when shippedPath is used
};

struct UserCable {
    bool ok = false;
    std::vector<SourceError> errors;  // when !ok: every fault found, in line order, one each
    // The first fault, or none when the cable compiled.
    SourceError error() const { return errors.empty() ? SourceError{} : errors.front(); }
    std::string name;       // the 'name' line (code page 1252)
    std::string diagram;    // metafile bytes of the circuit diagram, as datagen writes a CABLE drawing
    std::string notes;      // metafile bytes of the notes, as datagen writes a NOTES drawing
    EndDrawing startPlug, endPlug, startPinouts, endPinouts;
    IndexedCable index;     // what Find cable and Copy wiring read (number 0)
    // What the connector list would say of the ends' drawings, shipped or the user's own: the words
    // a screen reader is told. A pinout drawing left out ('pinouts start 0') has an empty name.
    ConnectorEntry startConnector, endConnector;
    PinoutEntry startPinoutRows, endPinoutRows;
};

// A source over this size, or with more wires and jumpers than MaxUserWires, is refused.
constexpr std::size_t MaxUserSourceBytes = MaxSourceBytes;
constexpr std::size_t MaxUserWires = 200;

// Compiles one user cable. `userConnectors`: the user's own plug-<name>.txt and pinouts-<name>.txt;
// `shippedConnectors`: the shipped connector sources (plug-NNN.txt, pinouts-NNN.txt). A name in the
// source is looked up only among these. `listNames`: the cables a note may send the reader to with
// {cable N}. Never throws, never reads or writes a file. The faults of all the cable's drawings
// (its diagram, its notes, the user's connector and pinout drawings) are found in one compile.
UserCable CompileUserCable(const SourceText& source, const std::vector<SourceText>& userConnectors,
                           const std::vector<SourceText>& shippedConnectors, const CableNames& listNames = {});

}  // namespace wiring
