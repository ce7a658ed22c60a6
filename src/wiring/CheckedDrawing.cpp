#include "wiring/CheckedDrawing.h"

#include <algorithm>

#include "wiring/LabelCheck.h"
#include "wiring/Render.h"
#include "wiring/SourceText.h"

namespace wiring {

std::vector<std::uint8_t> checkedMetafile(const Sketch& sketch, DrawingKind kind, const std::string& shown) {
    FaultList faults;
    for (const EnvelopeFault& f : checkEnvelope(sketch, kind)) faults.add({shown, std::max(1, f.line), f.message});
    for (const LabelFault& f : checkLabels(sketch)) faults.add({shown, std::max(1, f.line), f.message});
    faults.throwAny();
    if (sketch.empty()) throw DataError(shown, 1, "the drawing is empty");
    return renderMetafile(sketch);
}

}  // namespace wiring
