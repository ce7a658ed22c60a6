#pragma once
// The cable index datagen makes from the real sources under data/, made once for all the tests.

#include <string>

#include "Build.h"
#include "CableIndexWriter.h"
#include "datafiles/CableIndex.h"

inline const CableIndex& realIndex() {
    static const CableIndex index = [] {
        OutputSet out;
        addCableIndex(loadSourceSet(std::string(SOURCE_DIR) + "/data"), out);
        const auto& bytes = out.at(cableIndexPath()).bytes;
        return ParseCableIndex(std::string(bytes.begin(), bytes.end())).index;
    }();
    return index;
}
