#pragma once
// Turns a sketch into metafile bytes: each pen, brush and font is created when first needed,
// selected, and deleted once its successor is selected; the last ones are deleted at the end.

#include <cstdint>
#include <vector>

#include "Sketch.h"

std::vector<std::uint8_t> renderMetafile(const Sketch& sketch);
