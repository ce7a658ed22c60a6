#include "OutputSet.h"

#include <algorithm>

#include "LabelCheck.h"
#include "Render.h"
#include "SourceText.h"
#include "cables/CableTable.h"

void addDrawing(OutputSet& out, const std::string& path, const Sketch& sketch, DrawingKind kind,
                const std::string& shown) {
    const std::vector<EnvelopeFault> faults = checkEnvelope(sketch, kind);
    if (!faults.empty()) {
        const EnvelopeFault& f = faults.front();
        throw DataError(shown + ":" + std::to_string(f.line == 0 ? 1 : f.line) + ": " + f.message);
    }
    const std::vector<LabelFault> unreadable = checkLabels(sketch);
    if (!unreadable.empty())
        throw DataError(shown + ":" + std::to_string(std::max(1, unreadable.front().line)) + ": " + unreadable.front().message);
    if (sketch.empty()) throw DataError(shown + ":1: the drawing is empty");
    auto found = out.find(path);
    if (found != out.end()) throw DataError(shown + ": " + path + " is made by " + found->second.source + " already");
    out[path] = {renderMetafile(sketch), shown};
}

namespace {
// DATA\PLUG\PLUG.009 -> PLUG/PLUG.009
std::string insideData(std::string path) {
    const std::string root = "DATA\\";
    if (path.compare(0, root.size(), root) == 0) path.erase(0, root.size());
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
}  // namespace

std::string dataPath(const char* prefix, int number) { return insideData(DataFileName(prefix, number)); }

std::string logoDataPath() { return insideData(DataPrefix::PrintLogo); }
