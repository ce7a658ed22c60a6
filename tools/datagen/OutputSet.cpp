#include "OutputSet.h"

#include <algorithm>

#include "cables/CableTable.h"
#include "wiring/CheckedDrawing.h"
#include "wiring/SourceText.h"

using namespace wiring;

void addDrawing(OutputSet& out, const std::string& path, const Sketch& sketch, DrawingKind kind,
                const std::string& shown) {
    std::vector<std::uint8_t> bytes = checkedMetafile(sketch, kind, shown);
    auto found = out.find(path);
    if (found != out.end()) throw DataError(shown, 0, path + " is made by " + found->second.source + " already");
    out[path] = {std::move(bytes), shown};
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
