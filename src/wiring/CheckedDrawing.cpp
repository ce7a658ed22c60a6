#include "wiring/CheckedDrawing.h"

#include <algorithm>

#include "wiring/LabelCheck.h"
#include "wiring/Render.h"
#include "wiring/SourceText.h"

namespace wiring {

std::vector<std::uint8_t> checkedMetafile(const Sketch& sketch, DrawingKind kind, const std::string& shown) {
    const std::vector<EnvelopeFault> faults = checkEnvelope(sketch, kind);
    if (!faults.empty()) {
        const EnvelopeFault& f = faults.front();
        throw DataError(shown, f.line == 0 ? 1 : f.line, f.message);
    }
    const std::vector<LabelFault> unreadable = checkLabels(sketch);
    if (!unreadable.empty()) throw DataError(shown, std::max(1, unreadable.front().line), unreadable.front().message);
    if (sketch.empty()) throw DataError(shown, 1, "the drawing is empty");
    return renderMetafile(sketch);
}

}  // namespace wiring
