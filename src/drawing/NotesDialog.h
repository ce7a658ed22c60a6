#pragma once
// The cable notes dialog: the notes drawing of one cable, centred at 26 drawing units per pixel
// (at 96 DPI; fewer on a denser screen, so the drawing keeps its size there).

#include <string>

#include "framework/Dialog.h"

class CDC;

class NotesDialog : public CDialog {
public:
    NotesDialog(CWnd* owner, int notesNumber);
    // The notes drawing in a file of its own (one of the user's cables): notesNumber is -1.
    NotesDialog(CWnd* owner, std::string notesPath);

    const int notesNumber;  // the notes drawing the dialog shows
    const std::string notesPath;

private:
    void Paint(CDC& dc) override;
};

// Shows the notes of cable `number` modally over `owner`.
void OpenNotes(CWnd* owner, int number);
// Shows the notes drawing in file `path` the same way.
void OpenNotes(CWnd* owner, const std::string& path);
