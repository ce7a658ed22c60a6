#pragma once
// A cable's wiring source (cables/cable-NNN.txt) as read and checked: which contact of the start
// connector joins which contact of the end connector, the links within one connector, the shield,
// and the notes that go with it.

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "datafiles/CableIndex.h"
#include "wiring/ConnectorSource.h"
#include "wiring/Face.h"
#include "wiring/SourceText.h"
#include "wiring/WireSize.h"

namespace wiring {

enum class Side { Start, End };

// One contact of one of the cable's connectors, named as its connector drawing prints it.
struct PinRef {
    Side side = Side::Start;
    std::string branch;   // the end's plug in a branched (Y) cable, e.g. "A"; empty otherwise
    std::string contact;  // "3", "SHELL", "C", "PE"; empty for a shield left open at this end

    // "S3", "E2", "EA:3": how the continuity list names it.
    std::string text() const;
    bool operator<(const PinRef& other) const;
    bool operator==(const PinRef& other) const;
};

struct Wire {
    enum class Kind { Wire, Ribbon, Shield };
    Kind kind = Kind::Wire;
    PinRef start;
    PinRef end;
    std::string startSignal;  // may be empty
    std::string endSignal;
    std::string colour;       // may be empty
    int group = 0;            // the wires of one source line share a group: one row of the diagram
    int line = 0;
};

struct Jumper {
    PinRef a;
    PinRef b;  // same side (and branch) as a
    std::string aSignal;  // shown where a contact has no wire of its own; may be empty
    std::string bSignal;
    int line = 0;
};

struct Branch {
    std::string name;
    std::string title;
    int line = 0;
};

struct CableText {
    std::string text;
    int line = 0;
};

// The notes of a cable, section by section; each section's lines are joined into one paragraph.
// Unconfirmed: why no public reference confirms the wiring; shown wherever the cable is.
enum class NoteSection { Use, Cable, Variant, Caution, Source, Check, Unconfirmed };

struct CableNote {
    NoteSection section;
    std::string text;
    int line = 0;
};

// A contact of a ground, shield or supply row of an end's pinout drawing left unwired, and why.
struct FreeContact {
    PinRef pin;
    std::string reason;
    int line = 0;
};

// 'gauge': the whole cable's (no wires named) or that of the wires leaving the start contacts named.
struct GaugeLine {
    std::vector<PinRef> wires;
    std::string contacts;  // as written, "1-2"
    WireGauge gauge;
    int line = 0;
};

// 'length': the cable's, or with a branch, that plug's lead.
struct LengthLine {
    std::string branch;
    CableLength length;
    int line = 0;
};

// 'part start|end|cable <text>': what is bought for that end or the cable.
enum class PartPlace { Start, End, Cable };
struct PartLine {
    PartPlace place = PartPlace::Cable;
    std::string text;
    int line = 0;
};

// What the source says of one end, and what the end's connector drawing shows.
struct CableEndFacts {
    Gender gender = Gender::Male;  // of the connector on the cable
    int genderLine = 0;            // 0: not stated
    int pinoutsNumber = -1;        // 'pinouts <side> N': the drawing this end follows; -1: the table's
    int pinoutsLine = 0;
    Gender drawnGender = Gender::Male;  // of the connector drawing
    bool drawnFace = false;             // the drawing shows a mating face (not a side view or symbol)
    bool looseEnds = false;             // the end is wire ends or ferrules: it has no gender
    std::string connectorTitle;         // the first title line of the connector drawing
    std::vector<std::string> connectorParts;  // its 'part' lines, wherever it is used
};

struct CableSource {
    int number = 0;
    std::string file;
    std::vector<CableText> titles;
    CableText startTitle;
    CableText endTitle;
    std::vector<Branch> branches;
    std::vector<Wire> wires;  // wires, ribbon wires and the shield, in source order
    std::vector<Jumper> jumpers;
    std::vector<CableNote> notes;
    std::vector<FreeContact> freeContacts;
    std::vector<SignalAlias> aliases;
    CableEndFacts startEnd;
    CableEndFacts endEnd;
    std::vector<GaugeLine> gauges;
    std::vector<LengthLine> lengths;
    std::vector<PartLine> parts;
    // The neighbouring contacts of each end that must stay silent, and the ends ("S", "E") whose
    // drawing gives no positions; filled once the wiring is checked (QuietPairs.h).
    std::vector<QuietPair> quietPairs;
    std::vector<std::string> unplacedEnds;
    // The other neighbouring contacts, asked for no silence: joined by the wiring, or a key.
    std::vector<QuietPair> joinedNeighbours;

    const CableEndFacts& facts(Side side) const { return side == Side::Start ? startEnd : endEnd; }
    const CableText& heading(Side side) const { return side == Side::Start ? startTitle : endTitle; }
};

// The 'unconfirmed' lines joined into one paragraph; empty when the wiring is confirmed.
std::string unconfirmedText(const CableSource& cable);

// What the cable's two connectors offer: their contacts, and the signal names of their pinout
// drawings where there is one (the ribbon cables take theirs from there).
struct CableEnds {
    std::set<std::string> startContacts;
    std::set<std::string> endContacts;
    std::map<std::string, std::string> startSignals;
    // The connector drawings' gender and whether they show a mating face.
    Gender startDrawnGender = Gender::Male;
    Gender endDrawnGender = Gender::Male;
    bool startDrawnFace = false;
    bool endDrawnFace = false;
    bool startLooseEnds = false;
    bool endLooseEnds = false;
    std::string startTitle, endTitle;  // the connector drawings' first title lines
    std::vector<std::string> startParts, endParts;
};

// What a source must hold beyond its wiring. A user's own cable may leave out the editorial
// lines ('use', 'cable', 'source') that every shipped cable has.
struct CableRules {
    bool editorialLines = true;
    std::size_t maxWires = SIZE_MAX;  // wires and jumpers together, refused as they are read
};

CableSource parseCable(const std::vector<SourceLine>& lines, int number, const std::string& file,
                       const CableEnds& ends, const CableRules& rules = {});

}  // namespace wiring
