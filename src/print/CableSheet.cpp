#include "print/CableSheet.h"

#include <array>
#include <string>

#include "framework/File.h"
#include "print/PageLayout.h"
#include "print/PrintJob.h"

namespace {
using NotesText = std::array<char, NotesBufferBytes>;

// The user's notes, cut to what the buffer holds. A cable the user has written no notes for has no
// file yet, which prints as no text; any other failure is the caller's to report.
NotesText readUserNotes(const std::string& path) {
    NotesText text{};
    try {
        CFile file(path, CFile::modeRead | CFile::shareExclusive);
        file.Read(text.data(), NotesMaxBytes);
    } catch (const CFileException& error) {
        if (error.systemError() != ERROR_FILE_NOT_FOUND && error.systemError() != ERROR_PATH_NOT_FOUND) throw;
    }
    return text;
}

void drawText(CDC& dc, PagePoint at, const char* text) { dc.TextOut(at.x, at.y, text); }

}  // namespace

void PrintCableSheet(CWnd* owner, const char* name, int startPlug, int endPlug, int startPinouts, int endPinouts,
                     int cableNumber, CDC& dc) {
    const CableRecord record{name, startPlug, endPlug, startPinouts, endPinouts};
    const auto drawings = SheetDrawings(record, cableNumber);
    Cable cable;
    cable.name = name ? name : "";
    cable.start.pinouts = drawings[0].path;
    cable.start.plug = drawings[1].path;
    cable.diagram = drawings[2].path;
    cable.end.plug = drawings[3].path;
    cable.end.pinouts = drawings[4].path;
    cable.notes = drawings[5].path;
    cable.userNotes = DataFileName(DataPrefix::UserNote, cableNumber);
    PrintCableSheet(owner, cable, dc);
}

void PrintCableSheet(CWnd* owner, const Cable& cable, CDC& dc) {
    WaitCursor wait;
    PrintJob job(dc);
    if (!job.start(owner)) return;

    CFont titleFont, headingFont, notesFont;
    CreatePrintFont(titleFont, TitleFontHeight, FW_BOLD);
    CreatePrintFont(headingFont, HeadingFontHeight, FW_BOLD);
    CreatePrintFont(notesFont, NotesFontHeight, FW_NORMAL);

    job.startPage();
    {
        PageInk ink(dc);
        SelectGuard fontSelected(dc, titleFont);
        dc.SetTextAlign(TA_CENTER | TA_TOP);
        drawText(dc, TitlePosition, cable.name.c_str());

        dc.SelectObject(headingFont);
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        drawText(dc, NotesHeadingPosition, NotesHeading);

        dc.SelectObject(notesFont);
        NotesText notes = readUserNotes(cable.userNotes);
        RECT notesRect = {NotesRect.left, NotesRect.top, NotesRect.right, NotesRect.bottom};
        dc.DrawText(notes.data(), &notesRect, DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);

        for (const SheetDrawing& drawing : SheetDrawings(cable)) PlaySheetDrawing(dc, drawing);
        dc.SetWindowOrg(0, 0);
    }
    job.finish();
}
