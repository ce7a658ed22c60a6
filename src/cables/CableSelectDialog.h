#pragma once
// The modal dialog that walks the category tree; ends with the cable picked, or none when cancelled.
// The category it shows is its owner's, kept from one opening to the next.

#include <optional>
#include <string>
#include <vector>

#include "cables/Cable.h"

#include "framework/BitmapButton.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "ui/SurfaceWindow.h"

class CDC;

class CableSelectDialog : public SurfaceDialog {
public:
    // `myCables`: the user's own cables; with none, "My cables" is not offered.
    CableSelectDialog(CWnd* parent, int& browseNode, std::vector<ListedCable> myCables = {});

    // The cable chosen, once the dialog has ended with IDOK.
    const CableOrigin& Picked() const { return picked; }

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
    const std::vector<ListedCable> myCables;
    CableOrigin picked;
    CListBox list;
    CBitmapButton okButton;
    CBitmapButton noButton;
};

// Client rectangles of the controls the dialog makes at run time.
constexpr RECT SelectOkButtonRect = {22, 211, 62, 251};
constexpr RECT SelectListRect = {22, 42, 478, 200};

// Lets the user pick a cable, starting at category `browseNode` and leaving it where the user left
// off; nothing when cancelled. The user's own cables are offered under "My cables".
std::optional<CableOrigin> PickCable(CWnd* owner, int& browseNode, const std::vector<ListedCable>& myCables = {});
