#pragma once
// The DATA tree as it is made, in memory: every file by its path, with where it came from.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "wiring/Envelope.h"
#include "wiring/Sketch.h"

struct OutputFile {
    std::vector<std::uint8_t> bytes;
    std::string source;  // the source file it came from, or what asked for it
};

// Keyed by the path inside the DATA folder with '/' separators, e.g. "PLUG/PLUG.009".
using OutputSet = std::map<std::string, OutputFile>;

// Checks the sketch against the envelope of its kind and adds it as the metafile at path;
// shown names the source in errors. Throws DataError when it does not fit or the path is taken.
void addDrawing(OutputSet& out, const std::string& path, const wiring::Sketch& sketch, wiring::DrawingKind kind,
                const std::string& shown);

// The path inside DATA of a catalog prefix and number, e.g. (DataPrefix::Plug, 9) -> "PLUG/PLUG.009".
std::string dataPath(const char* prefix, int number);

// The print logo's path inside DATA.
std::string logoDataPath();
