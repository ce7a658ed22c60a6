#pragma once
// What both printed documents share: the wait cursor, the Arial fonts, and one print document on
// the printer DC that is aborted unless it was ended.

#include "framework/Dc.h"
#include "framework/GdiObjects.h"
#include "framework/Wnd.h"
#include "print/PageLayout.h"

// The wait cursor while a document is built; the arrow again afterwards, however it ends.
class WaitCursor {
public:
    WaitCursor() { ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT)); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW)); }
};

// The printed documents' face in one of their heights and weights.
void CreatePrintFont(CFont& font, int height, int weight);

// Plays a drawing with its (0, 0) where the window origin (x0, y0) puts it; a missing or damaged
// drawing leaves its place empty.
void PlaySheetDrawing(CDC& dc, const SheetDrawing& drawing);

// The black brush and pen of a printed page, selected while it lives.
class PageInk {
public:
    explicit PageInk(CDC& dc) : brushSelected(dc, brush), penSelected(dc, pen) {}

private:
    CBrush brush{RGB(0, 0, 0)};
    CPen pen{PS_SOLID, 1, RGB(0, 0, 0)};
    SelectGuard brushSelected;
    SelectGuard penSelected;
};

// One document of one page. A document that never reaches finish() (an error on the way) is
// aborted, so no half-built job reaches the spooler.
class PrintJob {
public:
    explicit PrintJob(CDC& dc, const char* documentName = PrintDocumentName) : dc(dc), documentName(documentName) {}
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;
    ~PrintJob();

    // Starts the document; when the printer refuses, tells the user and answers false.
    bool start(CWnd* owner);
    // StartPage, and the page's coordinates: 0.01 mm, y upward from the printable area's top left.
    void startPage() {
        dc.StartPage();
        dc.SetMapMode(MM_HIMETRIC);
    }
    // EndPage and EndDoc.
    void finish();

private:
    CDC& dc;
    const char* documentName;  // as the spooler shows it
    bool open = false;
};
