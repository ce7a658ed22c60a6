#pragma once
// What the fuzz targets share: the real connector sources they check against, and the promise
// every drawing datagen makes, that its bytes are a sound metafile.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "wiring/ConnectorSource.h"
#include "wiring/Envelope.h"
#include "wiring/Sketch.h"

using namespace wiring;

// Every plug-NNN.txt of the source tree's data/connectors, read once.
const std::map<int, ConnectorSource>& RealPlugs();

// Checks and renders the sketch as datagen does; aborts when the bytes are not a sound metafile.
// A DataError (the sketch does not fit) passes to the caller.
void RenderChecked(const Sketch& sketch, DrawingKind kind);

std::string FuzzText(const std::uint8_t* data, std::size_t size);

// Stops the run with the reason on stderr; libFuzzer keeps the input.
[[noreturn]] void BrokenPromise(const char* what);
