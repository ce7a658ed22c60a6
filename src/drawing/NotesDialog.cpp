#include "drawing/NotesDialog.h"

#include "drawing/DrawingWords.h"
#include "drawing/DrawMetafile.h"
#include "drawing/Placement.h"
#include "framework/Accessible.h"
#include "framework/Dc.h"
#include "framework/DpiScale.h"
#include "resource.h"

NotesDialog::NotesDialog(CWnd* owner, const Cable& cable, std::string spoken)
    : CDialog(IDD_CABLE_NOTES, owner),
      notesNumber(cable.origin.IsMine() ? -1 : cable.origin.tableRow),
      notesPath(cable.notes),
      spokenNotes(std::move(spoken)) {}

// The dialog keeps its role and name (its caption); its value and description are the notes.
bool NotesDialog::describe(AccessibleFacts& facts) const {
    if (spokenNotes.empty()) return false;
    facts.value = spokenNotes;
    facts.description = spokenNotes;
    return true;
}

void NotesDialog::Paint(CDC& dc) {
    RECT client;
    GetClientRect(&client);
    dc.FillSolidRect(client, RGB(255, 255, 255));
    Point anchor = NotesAnchor(client.right, client.bottom);
    int saved = ::SaveDC(dc);
    DrawMetafile(dc, notesPath.c_str(), ScaleForDpi(DialogScaleX, dpi()), ScaleForDpi(DialogScaleY, dpi()), anchor.x,
                 anchor.y);
    ::RestoreDC(dc, saved);
}

void OpenNotes(CWnd* owner, const Cable& cable) {
    NotesDialog dialog(owner, cable, DrawingWords(cable, CableDrawing::Notes));
    dialog.DoModal();
}
