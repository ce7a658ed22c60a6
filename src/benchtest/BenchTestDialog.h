#pragma once
// Test at the bench (Ctrl+T): walks the builder through the meter test of one cable, one step at a
// time, in letters large enough to read at arm's length, the step's two contacts marked on the
// connector drawings either side. Space or Y: the meter beeps; N: silent; Backspace: back one
// step; Esc: stop, asking whether to keep the answers. At the end the verdict, dated, is added to
// the user's notes of the cable.

#include <memory>
#include <string>

#include "benchtest/BenchLayout.h"
#include "benchtest/BenchRun.h"
#include "cables/Cable.h"
#include "framework/GdiObjects.h"
#include "ui/SurfaceWindow.h"

class BenchStepView;

class BenchTestDialog : public SurfaceDialog {
public:
    // The cable's index entry gives the steps, its connector drawings are shown, and its user
    // notes file takes the verdict.
    BenchTestDialog(CWnd* owner, const Cable& cable);
    ~BenchTestDialog() override;

    // The words the step view shows now: what a screen reader reads.
    std::string Text() const;
    bool describe(AccessibleFacts& facts) const override;

    // Called by the step view for the keys it takes.
    void OnAnswer(BenchAnswer answer);
    void OnBack();
    void OnStop();

    bool Finished() const { return run.finished(); }
    // The step view's card and letters: black on white, or the system's under high contrast.
    Colour Card() const { return colours.card; }
    Colour CardText() const { return colours.cardText; }
    // Whether the verdict was added to the notes file.
    bool Saved() const { return saved; }

private:
    BOOL OnInitDialog() override;
    // Moved to a screen of another density: the step view takes the new size and fonts.
    void OnDpiChanged(int dpi) override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCancel() override { OnStop(); }
    void Paint(CDC& dc) override;
    void paintDrawing(CDC& dc, const std::string& path, const BenchBox& box, const std::string& end) const;
    void placeParts();
    void stepChanged();
    void finish();
    bool saveVerdict();

    const Cable cable;
    BenchRun run;
    std::unique_ptr<BenchStepView> stepView;
    std::string saveProblem;
    bool saved = false;
};

// Runs the test of the cable modally over `owner`.
void RunBenchTest(CWnd* owner, const Cable& cable);
