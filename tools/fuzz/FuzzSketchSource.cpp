// A free drawing's source, drawn as a connector drawing and as a notes drawing when accepted.
#include "FuzzShared.h"
#include "wiring/SketchSource.h"

using namespace wiring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const Sketch sketch = parseSketch(splitSourceText(FuzzText(data, size), "notes-999.txt"));
        for (DrawingKind kind : {DrawingKind::Connector, DrawingKind::Notes, DrawingKind::Logo}) {
            try {
                RenderChecked(sketch, kind);
            } catch (const DataError&) {
            }
        }
    } catch (const DataError&) {
    }
    return 0;
}
