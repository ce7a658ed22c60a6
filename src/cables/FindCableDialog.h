#pragma once
// Find cable: words and the connectors at the ends narrow the list of cables as the user types;
// ends with the chosen cable's number, or -1 when cancelled.

#include <string>
#include <vector>

#include "datafiles/CableIndex.h"
#include "framework/BitmapButton.h"
#include "framework/Dialog.h"
#include "ui/SurfaceWindow.h"

class FindCableDialog : public SurfaceDialog {
public:
    // `myNames`: the names of the user's own cables in the index, as FindCables takes them.
    FindCableDialog(CWnd* parent, const CableIndex& index, std::vector<std::string> myNames = {});

protected:
    BOOL OnInitDialog() override;
    void OnDpiChanged(int newDpi) override;
    void OnOK() override;
    void OnCancel() override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Lists the cables the words and connector choices find, keeping the selected one if it stays.
    void Refill();
    void FillConnectorChoices();
    bool Mating() const;
    int SelectedCable() const;
    void OnDrawItem(const DRAWITEMSTRUCT& item);

    const CableIndex& index;
    const std::vector<std::string> myNames;
    std::vector<int> shown;  // the cable number of each list row
    CBitmapButton okButton;
    CBitmapButton noButton;
};
