#pragma once
// The cable index, DATA\MISC\CABLES.IDX: for every cable in use its connectors with their gender,
// its wiring (the netlist, with signal names and colours), its extra continuity checks and the
// words of its notes. datagen writes it, the program reads it to find cables and to copy a
// cable's wiring. No windows.h here.
//
// Text in code page 1252, one record a line, fields separated by one tab; lines that are empty or
// start with ';' are comments. Each cable is a block that starts with its CABLE line:
//     CABLE <tab> 006 <tab> Null modem, full handshake
//     START <tab> DE-9 <tab> female <tab> DE-9 (9-pin D-sub) <tab> DE-9 (PC 1)
//     END <tab> DE-9 <tab> female <tab> DE-9 (9-pin D-sub) <tab> DE-9 (PC 2)
//     BRANCH <tab> L <tab> left channel
//     WIRE <tab> wire <tab> S3 <tab> TxD <tab> E2 <tab> RxD <tab> brown
//     WIRE <tab> jumper <tab> E6 <tab> DSR <tab> E1 <tab> DCD <tab>
//     WIRE <tab> shield <tab> SSHELL <tab> <tab> - <tab> <tab>
//     CHECK <tab> one more line of the continuity checklist
//     QUIET <tab> S2 <tab> S3      two neighbouring contacts that must stay silent, in chain order
//     QUIET <tab> E <tab> -        the end's drawing gives no positions: no neighbours to ask
//     FACE <tab> S <tab> Female, mating face    what the end's connector drawing shows
//     SPOT <tab> S <tab> 3 <tab> -640 <tab> 1200  where contact 3 sits in that drawing's units
//     WORDS <tab> the words of the notes, each once
//     NOTE <tab> What it is for <tab> a paragraph of the notes under its heading, in full
//     UNCONFIRMED <tab> why no public reference confirms the wiring (only where none does)
//     PART <tab> start <tab> DE-9 (9-pin D-sub), female; solder cups and a hood

#include <string>
#include <vector>

constexpr const char* CableIndexPath = "DATA\\MISC\\CABLES.IDX";
// Longer files are not indexes of ours.
constexpr std::size_t MaxCableIndexBytes = 1024 * 1024;

struct IndexedEnd {
    std::string family;  // "DE-9": the connector drawing's title without its bracketed part
    std::string gender;  // "male" or "female"; empty for loose ends, which have none
    std::string title;   // the connector drawing's title, "DE-9 (9-pin D-sub)"
    std::string label;   // the diagram's heading of this end, "DE-9 (PC 1)"
    // "DE-9 female": what the connector choices of the find dialog offer.
    std::string choice() const { return gender.empty() ? family : family + " " + gender; }
    bool operator==(const IndexedEnd& o) const {
        return family == o.family && gender == o.gender && title == o.title && label == o.label;
    }
};

struct IndexedWire {
    // "wire", "ribbon", "shield" or "jumper"; a jumper joins two contacts of one connector.
    std::string kind;
    // Contacts as the continuity list names them: "S3", "E2", "EL:C"; "-" for a shield end left open.
    std::string from;
    std::string fromSignal;  // may be empty
    std::string to;
    std::string toSignal;
    std::string colour;  // may be empty
    bool joins() const { return from != "-" && to != "-"; }
    bool operator==(const IndexedWire& o) const {
        return kind == o.kind && from == o.from && fromSignal == o.fromSignal && to == o.to &&
               toSignal == o.toSignal && colour == o.colour;
    }
};

// Two neighbouring contacts of one end that the wiring does not join: a meter must stay silent
// between them, or a solder bridge joins them. Named as the list names contacts ("S2", "EL:C").
struct QuietPair {
    std::string from;
    std::string to;
    std::string text() const { return from + " - " + to; }
    bool operator==(const QuietPair& o) const { return from == o.from && to == o.to; }
};

// Where a contact sits in the connector drawing of one end ("S" or "E"), in its drawing units.
struct IndexedSpot {
    std::string end;
    std::string contact;  // as the drawing numbers it: "3", "C"
    int x = 0;
    int y = 0;
    bool operator==(const IndexedSpot& o) const { return end == o.end && contact == o.contact && x == o.x && y == o.y; }
};

struct IndexedBranch {
    std::string name;
    std::string text;
    bool operator==(const IndexedBranch& o) const { return name == o.name && text == o.text; }
};

struct IndexedNote {
    std::string heading;  // "What it is for"
    std::string text;
    bool operator==(const IndexedNote& o) const { return heading == o.heading && text == o.text; }
};

// One line of the parts list: what is bought for the start, the end or the cable.
struct IndexedPart {
    std::string place;  // "start", "end" or "cable"
    std::string text;
    bool operator==(const IndexedPart& o) const { return place == o.place && text == o.text; }
};

struct IndexedCable {
    int number = 0;
    std::string title;  // the diagram's heading, its lines joined by ", "
    IndexedEnd start;
    IndexedEnd end;
    std::vector<IndexedBranch> branches;
    std::vector<IndexedWire> wires;  // wires, ribbon wires and the shield in source order, then jumpers
    std::vector<std::string> checks;
    std::string words;
    std::vector<IndexedNote> notes;  // the paragraphs of the notes drawing, in its order
    std::vector<IndexedPart> parts;  // the parts list: start, end, cable
    std::string unconfirmed;  // why no public reference confirms the wiring; empty when one does
    // Neighbouring contacts of each end that the wiring does not join, start first, in chain order;
    // and the ends ("S", "E") whose drawing gives no positions.
    std::vector<QuietPair> quiet;
    std::vector<std::string> unplacedEnds;
    // What each end's connector drawing shows ("Female, mating face") and where its contacts sit.
    std::string startFace;
    std::string endFace;
    std::vector<IndexedSpot> spots;
    bool operator==(const IndexedCable& o) const {
        return number == o.number && title == o.title && start == o.start && end == o.end &&
               branches == o.branches && wires == o.wires && checks == o.checks && words == o.words &&
               notes == o.notes && parts == o.parts && unconfirmed == o.unconfirmed && quiet == o.quiet &&
               unplacedEnds == o.unplacedEnds && startFace == o.startFace && endFace == o.endFace && spots == o.spots;
    }
    // The spot of a contact named as the continuity list names it ("S3", "EL:C"); null if none.
    const IndexedSpot* spotOf(const std::string& contact) const;
};

struct CableIndex {
    std::vector<IndexedCable> cables;  // by number, ascending
    // The entry of cable `number`, or null when the index has none.
    const IndexedCable* find(int number) const;
};

// The whole file, lines ended with CR LF.
std::string FormatCableIndex(const CableIndex& index);

struct CableIndexReading {
    bool ok = false;
    CableIndex index;
    std::string error;  // "line 4: ..." when not ok
};

// Reads the file's text; a fault names the line and what is wrong.
CableIndexReading ParseCableIndex(const std::string& text);
