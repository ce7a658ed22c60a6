#pragma once
// The cable notes dialog: the notes drawing of one cable, centred at 26 drawing units per pixel
// (at 96 DPI; fewer on a denser screen, so the drawing keeps its size there).

#include <string>

#include "cables/Cable.h"
#include "framework/Dialog.h"

class CDC;

class NotesDialog : public CDialog {
public:
    // `spokenNotes`: the notes in words, what a screen reader is told the dialog shows.
    NotesDialog(CWnd* owner, const Cable& cable, std::string spokenNotes = std::string());

    const int notesNumber;  // the table's notes drawing the dialog shows; -1 for one of the user's own
    const std::string notesPath;
    bool describe(AccessibleFacts& facts) const override;

private:
    void Paint(CDC& dc) override;

    std::string spokenNotes;
};

// Shows the notes of `cable` modally over `owner`, with the notes in words for a screen reader.
void OpenNotes(CWnd* owner, const Cable& cable);
