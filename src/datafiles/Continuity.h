#pragma once
// A cable's continuity list: the pairs of contacts a meter must find joined, and the sentences
// around them. The notes drawing, the netlists, the cable index and Copy wiring all take the list
// from here, so they cannot disagree. No windows.h here.

#include <string>
#include <vector>

#include "datafiles/CableIndex.h"

struct ContinuityPair {
    std::string from;  // "S3", "E6", "EL:C"
    std::string to;
    std::size_t wire = 0;  // the index of the wire or jumper it comes from in the list given
    std::string text() const { return from + " - " + to; }
};

// Every wire, ribbon wire, shield and jumper that joins two contacts, in the order given (the
// index's order: wires in source order, then the jumpers). A shield left open at one end joins
// nothing and is left out.
std::vector<ContinuityPair> ContinuityList(const std::vector<IndexedWire>& wires);

// The list as text, "S3 - E2", one entry a pair.
std::vector<std::string> ContinuityPairs(const IndexedCable& cable);

// The quiet pairs of one end (or one plug of a branched end), written as the chains a probe
// walks: "Start: 1-2-3-4-5, 6-7-8-9, 1-6-2-7-3-8-4-9-5". A long even chain is shortened around
// "...", as is a long run of like chains ("1-2, 3-4, ..., 39-40"); one entry an end.
std::vector<std::string> QuietChainLines(const std::vector<QuietPair>& quiet);

// The same in short, where the chains find no room: every two neighbours of an end are silent but
// those `joined` (by the wiring, or by a key no probe reaches): "Silent between every two contacts
// side by side on Start; on End but 19-20, 21-22."
std::string QuietShortText(const std::vector<QuietPair>& quiet, const std::vector<QuietPair>& joined);

// "Start", "End", "End L": the end a contact name ("S3", "EL:C") belongs to.
std::string QuietEndName(const std::string& contact);

constexpr const char* ContinuityHeading = "Continuity check";
constexpr const char* ContinuitySides = "S: start (left), E: end (right).";
constexpr const char* ContinuityBeeps = "The meter beeps on each pair:";
constexpr const char* ContinuityNoOtherBeep = "No beep between any other two contacts.";
constexpr const char* ContinuityQuiet = "Silent along each chain";
constexpr const char* ContinuityQuietShort = "Silent between every two contacts side by side";
