#pragma once
// How many conductors a cable needs, counted from its wiring, and the check that its 'cable'
// notes offer that many.

#include <string>

#include "wiring/CableSource.h"

namespace wiring {

struct CoreNeed {
    int cores = 0;    // distinct connections from end to end, the shield apart
    int returns = 0;  // of them, grounds: the screen of a screened cable may carry them
    int leadCores = 0;       // the most that one plug's lead of a branched end needs; cores otherwise
    std::string leadBranch;  // that plug's branch; empty when unbranched
};

CoreNeed coresNeeded(const CableSource& cable);

// Writes the counts into the 'cable' notes where they say "{cores}" (the whole cable) or
// "{lead cores}" (the largest lead of a branched end), so that the notes cannot disagree.
void fillCoreCounts(CableSource& cable);

}  // namespace wiring
