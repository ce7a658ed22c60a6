#pragma once
// Finding cables by words and by the connectors at their ends, over the cable table, the category
// tree and the cable index. No windows.h here.

#include <string>
#include <vector>

#include "cables/Cable.h"

// The choices of the connector drop-downs: every "family gender" at either end of the cables that
// have an index entry, sorted, each once; with `mating`, the connectors those ends plug into.
std::vector<std::string> ConnectorChoices(const std::vector<Cable>& cables, bool mating = false);

struct CableQuery {
    std::string words{};  // every word must occur, in any case
    std::string start{};  // a connector choice, or empty for any
    std::string end{};
    // The choices name the connectors the user holds: an end fits when it plugs into one, the same
    // family of the other gender ("DE-9 female" in hand takes a cable's "DE-9 male").
    bool mating = false;
};

// The cables with an index entry that the query finds, as their places in `cables`, sorted by name
// (case ignored), then by their place. A cable fits the connector choices with its ends either
// way round. The words are looked for in the cable's name, its category paths ("My cables" for
// the user's own), its connectors, its signal names, the words of its notes
// and its parts list (part numbers, gauges, lengths).
std::vector<std::size_t> FindCables(const std::vector<Cable>& cables, const CableQuery& query);

// Before, in the order a person expects: case ignored, runs of digits by their value ("type 2"
// before "type 10").
bool NaturalLess(const std::string& a, const std::string& b);

// The first category whose list holds the cable, walking the tree from the root as the selection
// dialog does; -1 when no list does. One of the user's own cables is listed in "My cables".
int CategoryOfCable(const CableOrigin& cable);
