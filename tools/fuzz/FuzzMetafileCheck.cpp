// The check every drawing file passes before the player sees it.
#include "drawing/MetafileCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IsSoundMetafile(data, size);
    return 0;
}
