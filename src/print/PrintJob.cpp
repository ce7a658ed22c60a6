#include "print/PrintJob.h"

#include "drawing/DrawMetafile.h"
#include "print/PageLayout.h"

void CreatePrintFont(CFont& font, int height, int weight) {
    font.CreateFont(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                    CLIP_CHARACTER_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
}

void PlaySheetDrawing(CDC& dc, const SheetDrawing& drawing) {
    dc.SetWindowOrg(drawing.x0, drawing.y0);
    PlayCheckedMetafile(dc, drawing.path.c_str());
}

PrintJob::~PrintJob() {
    if (open) dc.AbortDoc();
}

bool PrintJob::start(CWnd* owner) {
    // The system reports a refused document with zero as well as with a negative result. The
    // message carries the document's name, the program's own name in the guide.
    if (dc.StartDoc(documentName) <= 0) {
        ::MessageBoxA(owner ? owner->GetSafeHwnd() : nullptr, "Problems with printing...", documentName,
                      MB_OK | MB_ICONHAND);
        return false;
    }
    open = true;
    return true;
}

void PrintJob::finish() {
    dc.EndPage();
    dc.EndDoc();
    open = false;
}
