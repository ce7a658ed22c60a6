#pragma once
// Find cable: words and the connectors at the ends narrow the list of cables as the user types;
// ends with the chosen cable, or none when cancelled.

#include <optional>
#include <string>
#include <vector>

#include "cables/Cable.h"
#include "framework/BitmapButton.h"
#include "framework/Dialog.h"
#include "ui/SurfaceWindow.h"

class FindCableDialog : public SurfaceDialog {
public:
    // `cables`: what it searches, the table's and the user's own, each with its index entry.
    FindCableDialog(CWnd* parent, std::vector<Cable> cables);

    // The cable chosen, once the dialog has ended with IDOK.
    const CableOrigin& Picked() const { return picked; }

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
    // The place in `cables` of the cable selected in the list, or -1.
    int SelectedCable() const;
    void OnDrawItem(const DRAWITEMSTRUCT& item);

    const std::vector<Cable> cables;
    std::vector<std::size_t> shown;  // the place in `cables` of each list row
    CableOrigin picked;
    CBitmapButton okButton;
    CBitmapButton noButton;
};

// Runs the dialog over `cables`: the cable chosen, or none when cancelled.
std::optional<CableOrigin> FindCable(CWnd* owner, std::vector<Cable> cables);
