#include "cables/WiringClipboard.h"

#include <cstring>

#include "cables/WiringText.h"

namespace {
class OpenClipboardGuard {
public:
    explicit OpenClipboardGuard(HWND owner) : open(::OpenClipboard(owner) != 0) {}
    OpenClipboardGuard(const OpenClipboardGuard&) = delete;
    OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
    ~OpenClipboardGuard() {
        if (open) ::CloseClipboard();
    }
    bool isOpen() const { return open; }

private:
    bool open;
};

// The clipboard owns the memory once SetClipboardData takes it; until then it is ours to free.
bool putText(UINT format, const std::string& text) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) return false;
    void* bytes = ::GlobalLock(memory);
    if (bytes) std::memcpy(bytes, text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
    if (bytes && ::SetClipboardData(format, memory)) return true;
    ::GlobalFree(memory);
    return false;
}
}  // namespace

bool PutWiringOnClipboard(HWND owner, const IndexedCable& cable, const std::string& name) {
    const UINT csvFormat = ::RegisterClipboardFormatA("CSV");
    OpenClipboardGuard clipboard(owner);
    if (!clipboard.isOpen() || !::EmptyClipboard()) return false;
    return putText(CF_TEXT, WiringText(cable, name)) && csvFormat != 0 && putText(csvFormat, WiringCsv(cable));
}
