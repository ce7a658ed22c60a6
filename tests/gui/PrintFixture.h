#pragma once
// The program started and its main window shown, ready to print through its own dialogs: the
// options dialog, the printer dialog and the message boxes are answered as a user would.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GuiHarness.h"
#include "PrintSpool.h"
#include "framework/Handle.h"

// Answers the dialogs that appear one after the other inside the running modal loops. With
// `repeatLast`, the last step answers every further dialog too.
class DialogScript {
public:
    using Step = std::function<void(HWND)>;
    explicit DialogScript(std::vector<Step> steps, bool repeatLast = false);
    const std::vector<DialogInfo>& seen() const { return dialogs; }

private:
    void arm(size_t step);

    std::vector<Step> steps;
    bool repeatLast;
    std::vector<std::unique_ptr<DialogWaiter>> waiters;
    std::vector<DialogInfo> dialogs;
};

// Steps a user takes.
DialogScript::Step ChooseOption(int optionId);  // clicks the radio button (0: none), then OK
DialogScript::Step PressOk();
// The option an open print options dialog holds.
int PrintChoiceOf(HWND optionsDialog);
// Ends the options dialog with OK or Cancel at once (not through the queue), so that the dialog
// still answers PrintChoiceOf afterwards.
void EndOptionsDialog(HWND optionsDialog, int buttonId);
DialogScript::Step PressCancel();

// Posts the key to the window and pumps until that key's dispatch, inside which the command it
// starts runs with the modal loops of its dialogs, has returned.
void RunKeyCommand(HWND window, UINT virtualKey);

// A message box's icon, and the system's stop icon.
HICON MessageBoxIcon(HWND box);
HICON StopIcon();

// Test runs of other build folders print to the same queue and folder: one printing test at a
// time holds this lock (a POSIX lock on a file in /tmp, which every Wine prefix sees).
class PrintQueueLock {
public:
    PrintQueueLock();
    ~PrintQueueLock();
    bool held() const { return locked; }

private:
    ScopedHandle file;
    bool locked = false;
};

class PrintTest : public ProgramTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Presses F3 in the main window and pumps until the command has ended.
    void pressF3();
    // F3, the option, OK in the printer dialog, then `more` for what comes next; waits for the
    // queue to empty and answers the PDFs that came.
    std::vector<std::string> print(int optionId, std::vector<DialogScript::Step> more = {});

    PrintQueueLock queueLock;
    std::vector<std::string> pdfsBefore;
    std::vector<DialogInfo> dialogs;  // what the last print() met, in order
};

// Another program has the file open and shares it with no one.
class HeldOpen {
public:
    explicit HeldOpen(const std::string& path)
        : handle(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    bool held() const { return handle.valid(); }
    void release() { handle.reset(); }

private:
    ScopedHandle handle;
};

// Code page 1252 text (the program's) as UTF-8 (pdftotext's).
std::string Utf8(const std::string& text);
