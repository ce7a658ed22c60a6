#pragma once
// What both printed documents share: the wait cursor, the Arial fonts, and one print document on
// the printer DC that is aborted unless it was ended.

#include "framework/Dc.h"
#include "framework/GdiObjects.h"
#include "framework/Wnd.h"

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

// One document of one page. A document that never reaches finish() (an error on the way) is
// aborted, so no half-built job reaches the spooler.
class PrintJob {
public:
    explicit PrintJob(CDC& dc) : dc(dc) {}
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;
    ~PrintJob();

    // Starts the document; when the printer refuses, tells the user and answers false.
    bool start(CWnd* owner);
    void startPage() { dc.StartPage(); }
    // EndPage and EndDoc.
    void finish();

private:
    CDC& dc;
    bool open = false;
};
