#pragma once
// data/netlists.txt: every cable's continuity list in one text file kept beside the sources, so
// that any change to the wiring shows up as a diff to review.

#include <string>
#include <vector>

#include "wiring/CableSource.h"

// One block per cable, by number: "cable 047: <title lines>", then its connections sorted, then
// a blank line. The cables come in any order.
std::string netlistFileText(std::vector<wiring::CableSource> cables);

// Every cable in use, from the data source folder read and checked as a whole.
std::vector<wiring::CableSource> loadAllCables(const std::string& sourceDir);
