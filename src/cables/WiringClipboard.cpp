#include "cables/WiringClipboard.h"

#include <cstring>

#include "cables/WiringText.h"
#include "wiring/TextEncoding.h"

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
bool putBytes(UINT format, const void* data, std::size_t size) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return false;
    void* bytes = ::GlobalLock(memory);
    if (bytes) std::memcpy(bytes, data, size);
    ::GlobalUnlock(memory);
    if (bytes && ::SetClipboardData(format, memory)) return true;
    ::GlobalFree(memory);
    return false;
}

bool putText(UINT format, const std::string& text) { return putBytes(format, text.c_str(), text.size() + 1); }

// The text in UTF-16 from its own code page, 1252, not the machine's: "mm\xB2" pastes as mm² on
// any system.
bool putUnicodeText(const std::string& text) {
    std::u16string wide;
    for (unsigned char c : text) wide += wiring::unicodeOfCodePage1252(c);
    return putBytes(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(char16_t));
}
}  // namespace

bool PutWiringOnClipboard(HWND owner, const IndexedCable& cable, const std::string& name) {
    const UINT csvFormat = ::RegisterClipboardFormatA("CSV");
    OpenClipboardGuard clipboard(owner);
    if (!clipboard.isOpen() || !::EmptyClipboard()) return false;
    const std::string text = WiringText(cable, name);
    return putUnicodeText(text) && putText(CF_TEXT, text) && csvFormat != 0 && putText(csvFormat, WiringCsv(cable));
}
