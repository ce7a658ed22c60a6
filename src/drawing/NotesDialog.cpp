#include "drawing/NotesDialog.h"

#include "cables/CableTable.h"
#include "drawing/DrawMetafile.h"
#include "drawing/Placement.h"
#include "framework/Dc.h"
#include "framework/DpiScale.h"
#include "resource.h"

NotesDialog::NotesDialog(CWnd* owner, int number)
    : CDialog(IDD_CABLE_NOTES, owner), notesNumber(number), notesPath(DataFileName(DataPrefix::Notes, number)) {}

NotesDialog::NotesDialog(CWnd* owner, std::string path)
    : CDialog(IDD_CABLE_NOTES, owner), notesNumber(-1), notesPath(std::move(path)) {}

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

void OpenNotes(CWnd* owner, int number) {
    NotesDialog dialog(owner, number);
    dialog.DoModal();
}

void OpenNotes(CWnd* owner, const std::string& path) {
    NotesDialog dialog(owner, path);
    dialog.DoModal();
}
