#include "print/PrinterDialog.h"

#include <commdlg.h>

#include "framework/LateLibrary.h"

namespace {
// The printer dialog hands back the chosen printer's settings too; they are not kept.
class GlobalBlock {
public:
    explicit GlobalBlock(HGLOBAL block) : block(block) {}
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() {
        if (block) ::GlobalFree(block);
    }

private:
    HGLOBAL block;
};
}  // namespace

CDC AskForPrinter(CWnd* owner) {
    PRINTDLGA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner ? owner->GetSafeHwnd() : nullptr;
    request.hDevMode = nullptr;
    request.hDevNames = nullptr;
    request.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
    request.nFromPage = request.nToPage = request.nMinPage = request.nMaxPage = 0;
    request.nCopies = 1;
    request.hInstance = nullptr;
    CDC printer;
    auto printDialog = Comdlg32().function<BOOL(WINAPI*)(PRINTDLGA*)>("PrintDlgA");
    if (!printDialog || !printDialog(&request)) return printer;
    GlobalBlock devMode(request.hDevMode), devNames(request.hDevNames);
    printer.Attach(request.hDC);
    return printer;
}
