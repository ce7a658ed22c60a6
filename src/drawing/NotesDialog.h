#pragma once
// The cable notes dialog: the notes drawing of one cable, centred at 26 drawing units per pixel
// (at 96 DPI; fewer on a denser screen, so the drawing keeps its size there).

#include "framework/Dialog.h"

class CDC;

class NotesDialog : public CDialog {
public:
    NotesDialog(CWnd* owner, int notesNumber);

    const int notesNumber;  // the notes drawing the dialog shows

private:
    void Paint(CDC& dc) override;
};

// Shows the notes of cable `number` modally over `owner`.
void OpenNotes(CWnd* owner, int number);
