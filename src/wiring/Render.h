#pragma once
// Turns a sketch into metafile bytes. The drawing is wrapped in a save and a restore of the DC,
// so that the caller's pen, brush, font, background mode and text colour are selected again at
// the end (playing a metafile puts back the pen and brush but not the font). Each pen, brush and
// font is created when first needed, selected, and deleted once its successor is selected; the
// last ones are deleted after the restore, when nothing has them selected.

#include <cstdint>
#include <vector>

#include "wiring/Sketch.h"

namespace wiring {

std::vector<std::uint8_t> renderMetafile(const Sketch& sketch);

}  // namespace wiring
