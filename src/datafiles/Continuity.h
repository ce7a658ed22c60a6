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

constexpr const char* ContinuityHeading = "Continuity check";
constexpr const char* ContinuitySides = "S: start (left), E: end (right).";
constexpr const char* ContinuityBeeps = "The meter beeps on each pair:";
constexpr const char* ContinuityNoOtherBeep = "No beep between any other two contacts.";
