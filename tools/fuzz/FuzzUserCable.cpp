// The whole road of a user's own cable, as the guide takes it: text (any encoding) to a checked
// cable, its layout and metafiles, and the guide's check of every metafile before it is played
// (IsSoundMetafile). The input is the cable source, optionally followed by "\n=====\n" and the
// user's plug-a.txt, and again by pinouts-a.txt, so that the user's own drawings are reached too.

#include "FuzzShared.h"
#include "drawing/MetafileCheck.h"
#include "framework/FileBytes.h"
#include "wiring/UserCable.h"

#include <filesystem>

namespace {

std::vector<SourceText> ShippedConnectors() {
    std::vector<SourceText> texts;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(SOURCE_DIR) + "/data/connectors")) {
        texts.push_back({entry.path().filename().string(), ReadFileBytes(entry.path().string(), MaxSourceBytes).bytes});
    }
    return texts;
}

void ExpectPlayable(const std::string& metafile, const char* what) {
    if (!IsSoundMetafile(reinterpret_cast<const std::uint8_t*>(metafile.data()), metafile.size()))
        BrokenPromise(what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<SourceText> shipped = ShippedConnectors();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string separator = "\n=====\n";
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t at = input.find(separator, from);
        parts.push_back(input.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos || parts.size() == 3) break;
        from = at + separator.size();
    }
    std::vector<SourceText> user;
    if (parts.size() > 1) user.push_back({"plug-a.txt", parts[1]});
    if (parts.size() > 2) user.push_back({"pinouts-a.txt", parts[2]});
    const UserCable cable = CompileUserCable({"fuzz.txt", parts[0]}, user, shipped);
    if (!cable.ok) {
        if (cable.error().message.empty()) BrokenPromise("a refused cable without a message");
        return 0;
    }
    ExpectPlayable(cable.diagram, "the circuit diagram is not a playable metafile");
    ExpectPlayable(cable.notes, "the notes are not a playable metafile");
    for (const EndDrawing* end : {&cable.startPlug, &cable.endPlug, &cable.startPinouts, &cable.endPinouts}) {
        if (end->metafile.empty() == end->shippedPath.empty()) BrokenPromise("an end with both or neither drawing");
        if (!end->metafile.empty()) ExpectPlayable(end->metafile, "a user's connector drawing is not playable");
    }
    return 0;
}
