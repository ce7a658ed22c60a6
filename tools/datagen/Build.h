#pragma once
// Reads the data source folder once (SourceSet) and makes every file of the DATA tree from it, in memory.

#include <map>
#include <string>
#include <vector>

#include "OutputSet.h"

// Every drawing the program names: the connectors and pinouts of every cable in use, the files
// numbered 000 that start-up shows, the print logo; with the reason each is needed.
std::map<std::string, std::string> requiredDrawings();

// Every user notes file printing opens: cable 0 and every cable in use.
std::vector<std::string> userNotePaths();

// Throws DataError naming the source file and line of the first fault.
OutputSet buildDataSet(const std::string& sourceDir);
