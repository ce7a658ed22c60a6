// Find cable (Ctrl+F) and Copy wiring (Ctrl+C): the commands that work from the cable index.

#include "app/MainFrame.h"
#include "app/StatusLine.h"
#include "cables/CableSearch.h"
#include "cables/CableTable.h"
#include "cables/CategoryBrowser.h"
#include "cables/FindCableDialog.h"
#include "benchtest/BenchTestDialog.h"
#include "cables/WiringClipboard.h"
#include "resource.h"

namespace {
constexpr int HintCommandMessage = 2;
}

void MainFrame::OnFindCable() {
    const CableIndex* shipped = cableIndexFile.Get(this);
    if (!shipped) return;
    // The user's own cables join the table's, numbered by their place in the list.
    if (!myCables.Loaded()) RefreshMyCables();
    CableIndex index = *shipped;
    const std::vector<MyCable>& mine = myCables.Cables();
    for (std::size_t k = 0; k < mine.size(); ++k) {
        if (!mine[k].drawable) continue;
        index.cables.push_back(mine[k].index);
        index.cables.back().number = MyCableFirstNumber + static_cast<int>(k);
    }
    FindCableDialog dialog(this, index, myCables.Names());
    const INT_PTR result = dialog.DoModal();
    if (IsMyCableNumber(static_cast<int>(result))) {
        browseNode = MyCablesNode;
        return pickMyCable(static_cast<int>(result));
    }
    if (result < 0 || result >= CableRowCount) return;
    const int cable = static_cast<int>(result);
    // F5 opens next where the found cable is listed.
    const int node = CategoryOfCable(cable);
    if (node >= 0) browseNode = node;
    ShowCable(cable);
}

void MainFrame::OnCopyWiring() {
    if (const MyCable* mine = shownMyCable()) {
        if (!PutWiringOnClipboard(hwnd, mine->index, mine->name))
            MessageBox("The clipboard is in use by another program; try again.", "Strandor!", MB_OK | MB_ICONEXCLAMATION);
        else
            ShowStatus("Wiring of " + mine->name + " copied");
        return;
    }
    const int cable = Current.cableIndex;
    if (cable <= 0 || cable >= CableRowCount) return;  // the welcome drawings have no wiring
    const CableIndex* index = cableIndexFile.Get(this);
    if (!index) return;
    const std::string name = Catalog.cables[cable].name;
    const IndexedCable* entry = index->find(cable);
    if (!entry) {
        const std::string text = "The cable index " + std::string(CableIndexPath) + " has no wiring of " + name + ".";
        MessageBox(text.c_str(), "Strandor!", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!PutWiringOnClipboard(hwnd, *entry, name)) {
        MessageBox("The clipboard is in use by another program; try again.", "Strandor!", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShowStatus("Wiring of " + name + " copied");
}

// Test at the bench (Ctrl+T): the meter test of the shown cable, the table's or the user's own.
void MainFrame::OnBenchTest() {
    if (const MyCable* mine = shownMyCable()) return RunBenchTest(this, mine->index, mine->files);
    const int cable = Current.cableIndex;
    if (cable <= 0 || cable >= CableRowCount) return;  // the welcome drawings have no wiring
    const CableIndex* index = cableIndexFile.Get(this);
    if (!index) return;
    if (const IndexedCable* entry = index->find(cable)) return RunBenchTest(this, *entry, TableCableFiles(cable));
    const std::string text = "The cable index " + std::string(CableIndexPath) + " has no wiring of " +
                             Catalog.cables[cable].name + ".";
    MessageBox(text.c_str(), "Strandor!", MB_OK | MB_ICONEXCLAMATION);
}

// Before a menu opens and before an accelerator runs its command: Copy wiring and Test at the
// bench are grey for cable 0,
// Edit this cable for every cable but the user's own.
void MainFrame::OnInitMenu(HMENU menu) {
    const bool mine = shownMyCable() != nullptr;
    const bool hasWiring = mine || (Current.cableIndex > 0 && Current.cableIndex < CableRowCount);
    ::EnableMenuItem(menu, ID_COPY_WIRING, MF_BYCOMMAND | (hasWiring ? MF_ENABLED : MF_GRAYED));
    ::EnableMenuItem(menu, ID_BENCH_TEST, MF_BYCOMMAND | (hasWiring ? MF_ENABLED : MF_GRAYED));
    ::EnableMenuItem(menu, ID_EDIT_CABLE, MF_BYCOMMAND | (mine ? MF_ENABLED : MF_GRAYED));
}

void MainFrame::ShowStatus(const std::string& text) {
    CurrentHintId = HintCommandMessage;
    StatusText = text;
    RedrawWindow(&StatusRect, RDW_INVALIDATE | RDW_UPDATENOW);
}
