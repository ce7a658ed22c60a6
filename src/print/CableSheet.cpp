#include "print/CableSheet.h"

#include <array>
#include <string>

#include "catalog/Catalog.h"
#include "drawing/MetafileCheck.h"
#include "framework/File.h"
#include "print/PageLayout.h"
#include "print/PrintJob.h"

namespace {
using NotesText = std::array<char, NotesBufferBytes>;

// The user's notes, cut to what the buffer holds. A cable the user has written no notes for has no
// file yet, which prints as no text; any other failure is the caller's to report.
NotesText readUserNotes(int cableNumber) {
    NotesText text{};
    try {
        CFile file(DataFileName(DataPrefix::UserNote, cableNumber), CFile::modeRead | CFile::shareExclusive);
        file.Read(text.data(), NotesMaxBytes);
    } catch (const CFileException& error) {
        if (error.systemError() != ERROR_FILE_NOT_FOUND && error.systemError() != ERROR_PATH_NOT_FOUND) throw;
    }
    return text;
}

void drawText(CDC& dc, PagePoint at, const char* text) { dc.TextOut(at.x, at.y, text); }

// A damaged drawing is skipped like a missing one; its place stays empty.
void playDrawing(CDC& dc, const SheetDrawing& drawing) {
    dc.SetWindowOrg(drawing.x0, drawing.y0);
    if (!IsPlayableMetafile(drawing.path.c_str())) return;
    MetafileHandle metafile(drawing.path.c_str());
    if (metafile) dc.PlayMetaFile(metafile.get());
}
}  // namespace

void PrintCableSheet(CWnd* owner, const char* name, int startPlug, int endPlug, int startPinouts, int endPinouts,
                     int cableNumber, CDC& dc) {
    WaitCursor wait;
    PrintJob job(dc);
    if (!job.start(owner)) return;

    CFont titleFont, headingFont, notesFont;
    CreatePrintFont(titleFont, TitleFontHeight, FW_BOLD);
    CreatePrintFont(headingFont, HeadingFontHeight, FW_BOLD);
    CreatePrintFont(notesFont, NotesFontHeight, FW_NORMAL);

    job.startPage();
    dc.SetMapMode(MM_HIMETRIC);
    CBrush brush(RGB(0, 0, 0));
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    {
        SelectGuard brushSelected(dc, brush);
        SelectGuard penSelected(dc, pen);
        SelectGuard fontSelected(dc, titleFont);
        dc.SetTextAlign(TA_CENTER | TA_TOP);
        drawText(dc, TitlePosition, name);

        dc.SelectObject(headingFont);
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        drawText(dc, NotesHeadingPosition, NotesHeading);

        dc.SelectObject(notesFont);
        NotesText notes = readUserNotes(cableNumber);
        RECT notesRect = {NotesRect.left, NotesRect.top, NotesRect.right, NotesRect.bottom};
        dc.DrawText(notes.data(), &notesRect, DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);

        CableRecord cable{name, startPlug, endPlug, startPinouts, endPinouts};
        for (const SheetDrawing& drawing : SheetDrawings(cable, cableNumber)) playDrawing(dc, drawing);
        dc.SetWindowOrg(0, 0);
    }
    job.finish();
}
