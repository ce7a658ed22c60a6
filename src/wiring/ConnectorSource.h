#pragma once
// A connector drawing (plug-NNN.txt) or pinout drawing (pinouts-NNN.txt) as its source describes it.

#include <functional>
#include <string>
#include <vector>

#include "wiring/Face.h"
#include "wiring/SourceText.h"

namespace wiring {

enum class ConnectorKind { Plug, Pinouts };

struct PinRow {
    std::string label;             // as shown in the table, e.g. "2" or "1-49 odd"
    std::vector<std::string> ids;  // every contact the row stands for
    std::string signal;
    int line = 0;
};

// "alias A-GND = Audio GND": a short name that wiring sources may give the rows reading Audio GND.
struct SignalAlias {
    std::string name;
    std::string pinoutText;
    int line = 0;
};

struct TextLine {
    std::string text;
    int line = 0;
};

struct ConnectorSource {
    ConnectorKind kind = ConnectorKind::Plug;
    int number = 0;
    std::string file;
    std::vector<TextLine> titles;
    TextLine group;  // connector drawings: the catalog program's group; empty text when not given
    Gender gender = Gender::Male;
    bool sideView = false;
    bool symbolic = false;  // contacts by name only, no real face (wire colour tables)
    Face face;
    int faceLine = 0;
    bool metalShell = false;  // a D-sub, HD-15 or Centronics face: cables call its shell SHELL
    bool looseEnds = false;   // 'face ends': wire ends or ferrules, no housing and no gender
    int plugNumber = 0;  // pinout drawings: the connector drawing whose face it shows ("face plug N")
    std::vector<TextLine> notes;
    std::vector<TextLine> parts;  // connector drawings: what is bought with it (housing, contacts, hood)
    std::vector<PinRow> pins;
    std::vector<SignalAlias> aliases;  // pinout drawings only; not drawn
};

// Reads "alias <name> = <text>" (wiring and pinout sources).
SignalAlias parseAlias(const SourceLine& line);

// Finds an already read connector drawing by number, for "face plug N"; null when there is none.
using PlugLookup = std::function<const ConnectorSource*(int)>;

ConnectorSource parseConnector(const std::vector<SourceLine>& lines, ConnectorKind kind, int number,
                               const std::string& file, const PlugLookup& plugs);

// "1,3,5-9,11..49" in a pin line: single contacts, ranges, and (with "..") every second contact.
std::vector<std::string> expandPinList(const std::string& list, const SourceLine& line);

}  // namespace wiring
