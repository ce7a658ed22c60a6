#pragma once
// The modal dialog that walks the category tree; ends with a cable number, or -1 when cancelled.
// The category it shows is its owner's, kept from one opening to the next.

#include <string>
#include <vector>

#include "framework/BitmapButton.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "ui/SurfaceWindow.h"

class CDC;

class CableSelectDialog : public SurfaceDialog {
public:
    // `myCables`: the list rows of the user's own cables; with none, "My cables" is not offered.
    CableSelectDialog(CWnd* parent, int& browseNode, std::vector<std::string> myCables = {});

    // Rebuilds the list for browseNode and repaints the path line.
    void FillList();
    virtual void OnChoose();

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnOK() override { OnChoose(); }
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDpiChanged(int newDpi) override;

private:
    void Paint(CDC& dc) override;
    // The buttons and the list at their places and the bitmaps for the dialog's DPI.
    void placeControls();

    int& browseNode;
    const std::vector<std::string> myCables;
    CListBox list;
    CBitmapButton okButton;
    CBitmapButton noButton;
};

// Client rectangles of the controls the dialog makes at run time.
constexpr RECT SelectOkButtonRect = {22, 211, 62, 251};
constexpr RECT SelectListRect = {22, 42, 478, 200};

// Lets the user pick a cable, starting at category `browseNode` and leaving it where the user left
// off. The cable number, or -1 when cancelled.
// The user's own cables are offered under "My cables" (`myCables`: their rows) and picked as
// MyCableFirstNumber + their row.
int PickCable(CWnd* owner, int& browseNode, const std::vector<std::string>& myCables = {});
