#pragma once
// The cable notes dialog: the notes drawing of one cable, centred at 26 drawing units per pixel
// (at 96 DPI; fewer on a denser screen, so the drawing keeps its size there).

#include <string>

#include "framework/Dialog.h"

class CDC;

class NotesDialog : public CDialog {
public:
    // `spokenNotes`: the notes in words, what a screen reader is told the dialog shows.
    NotesDialog(CWnd* owner, int notesNumber, std::string spokenNotes = std::string());

    const int notesNumber;  // the notes drawing the dialog shows
    bool describe(AccessibleFacts& facts) const override;

private:
    void Paint(CDC& dc) override;

    std::string spokenNotes;
};

// Shows the notes of cable `number` modally over `owner`; `spokenNotes` as in NotesDialog.
void OpenNotes(CWnd* owner, int number, const std::string& spokenNotes = std::string());
