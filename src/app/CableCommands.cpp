// Find cable (Ctrl+F) and Copy wiring (Ctrl+C): the commands that work from the cable index.

#include "app/MainFrame.h"
#include "app/StatusLine.h"
#include "cables/CableSearch.h"
#include "cables/FindCableDialog.h"
#include "cables/WiringClipboard.h"
#include "resource.h"

namespace {
constexpr int HintCommandMessage = 2;
}

void MainFrame::OnFindCable() {
    const CableIndex* index = shippedCables.Index(this);
    if (!index) return;
    // The user's own cables join the table's.
    if (!myCables.Loaded()) RefreshMyCables();
    std::vector<Cable> cables = TableCables(*index);
    for (const Cable& mine : myCables.Drawable()) cables.push_back(mine);
    const std::optional<CableOrigin> picked = FindCable(this, std::move(cables));
    if (!picked) return;
    // F5 opens next where the found cable is listed.
    const int node = CategoryOfCable(*picked);
    if (node >= 0) browseNode = node;
    showPicked(*picked);
}

void MainFrame::OnCopyWiring() {
    if (shown.IsNoCable()) return;  // the welcome drawings have no wiring
    // A table cable shown while its index could not be read is made again now that it can.
    if (!shown.indexed && !shown.origin.IsMine()) {
        if (!shippedCables.Index(this)) return;
        shown = shippedCables.Make(shown.origin.tableRow);
    }
    if (!shown.indexed) {
        const std::string text = "The cable index " + std::string(CableIndexPath) + " has no wiring of " + shown.name + ".";
        MessageBox(text.c_str(), "Strandor!", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!PutWiringOnClipboard(hwnd, shown.entry, shown.name)) {
        MessageBox("The clipboard is in use by another program; try again.", "Strandor!", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShowStatus("Wiring of " + shown.name + " copied");
}

// Before a menu opens and before an accelerator runs its command: Copy wiring is grey for cable 0,
// Edit this cable for every cable but the user's own.
void MainFrame::OnInitMenu(HMENU menu) {
    ::EnableMenuItem(menu, ID_COPY_WIRING, MF_BYCOMMAND | (shown.IsNoCable() ? MF_GRAYED : MF_ENABLED));
    ::EnableMenuItem(menu, ID_EDIT_CABLE, MF_BYCOMMAND | (shown.origin.IsMine() ? MF_ENABLED : MF_GRAYED));
}

void MainFrame::ShowStatus(const std::string& text) {
    CurrentHintId = HintCommandMessage;
    StatusText = text;
    RedrawWindow(&StatusRect, RDW_INVALIDATE | RDW_UPDATENOW);
}
