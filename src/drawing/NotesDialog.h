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
    // The notes drawing in a file of its own (one of the user's cables): notesNumber is -1.
    NotesDialog(CWnd* owner, std::string notesPath, std::string spokenNotes = std::string());

    const int notesNumber;  // the notes drawing the dialog shows
    const std::string notesPath;
    bool describe(AccessibleFacts& facts) const override;

private:
    void Paint(CDC& dc) override;

    std::string spokenNotes;
};

// Shows the notes of cable `number` modally over `owner`; `spokenNotes` as in NotesDialog.
void OpenNotes(CWnd* owner, int number, const std::string& spokenNotes = std::string());
// Shows the notes drawing in file `path` the same way.
void OpenNotes(CWnd* owner, const std::string& path, const std::string& spokenNotes = std::string());
