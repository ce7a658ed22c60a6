#pragma once
// The source files of the data folder as the build reads them: a folder's files, one file's bytes,
// and the connector folder parsed.

#include <filesystem>
#include <string>
#include <vector>

#include "wiring/ConnectorSet.h"

// The names of the files in `folder`, sorted; throws DataError for anything that is not a file.
std::vector<std::string> sortedSourceFiles(const std::filesystem::path& folder);

// The bytes of a source file; throws DataError naming it as `shown` when it cannot be read or is
// larger than a source may be.
std::string readSourceFile(const std::string& path, const std::string& shown);

// Every connector source in `folder` (plug-NNN.txt, pinout-NNN.txt), parsed once; an empty set
// when there is no such folder.
wiring::ConnectorSet loadConnectors(const std::string& folder);
