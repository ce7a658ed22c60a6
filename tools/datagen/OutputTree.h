#pragma once
// Puts a made DATA set on disk as a whole: written beside the target folder first and renamed
// into place, so that a failed build leaves the old folder, or none, but never half a folder.

#include <string>

#include "OutputSet.h"

// User notes already present in the old folder are kept: the user writes them, not the build.
void writeDataTree(const OutputSet& files, const std::string& outDir);
