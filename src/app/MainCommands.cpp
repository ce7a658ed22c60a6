// The main window's command table: every command id goes to one handler here, and the handlers are
// the one place that calls the features.

#include "app/MainFrame.h"
#include "cables/CableSelectDialog.h"
#include "cables/CategoryBrowser.h"
#include "drawing/NotesDialog.h"
#include "external/ExternalPrograms.h"
#include "framework/Dialog.h"
#include "print/PrintCommand.h"
#include "resource.h"

void MainFrame::OnCommand(UINT id) {
    switch (id) {
        case ID_FUNCTION_KEYS: OnFunctionKeys(); break;
        case ID_ABOUT_STRANDOR: OnAbout(); break;
        case ID_PRINT: OnPrint(); break;
        case ID_EXIT: OnExit(); break;
        case ID_SELECT_CABLE: SwitchCable(); break;
        case ID_START_PINOUTS: OnStartPinouts(); break;
        case ID_END_PINOUTS: OnEndPinouts(); break;
        case ID_CABLE_NOTES: OnCableNotes(); break;
        case ID_USER_NOTES: OnUserNotes(); break;
        case ID_CONNECTOR_CATALOG: OnConnectorCatalog(); break;
        case ID_MANUAL: OnManual(); break;
        // A double-click on a panel does what its key does.
        case StartPanelId: OnStartPinouts(); break;
        case EndPanelId: OnEndPinouts(); break;
        case DiagramPanelId: OnCableNotes(); break;
        case ID_FIND_CABLE: OnFindCable(); break;
        case ID_COPY_WIRING: OnCopyWiring(); break;
        case ID_BENCH_TEST: OnBenchTest(); break;
        case ID_NEW_CABLE: OnNewCable(); break;
        case ID_EDIT_CABLE: OnEditCable(); break;
        default: break;  // F11 and F12 are in the accelerator table and do nothing
    }
}

void MainFrame::OnFunctionKeys() {
    CDialog help(IDD_HELP, this);
    help.DoModal();
}

void MainFrame::OnAbout() {
    CDialog about(IDD_ABOUT_NAME, this);
    about.DoModal();
}

void MainFrame::OnPrint() {
    // A copy: the user's cables are read again when a dialog of the command gives back the focus.
    if (const MyCable* mine = shownMyCable())
        PrintCables(this, CableFiles(mine->files));
    else
        PrintCables(this, Current.cableIndex);
}

void MainFrame::OnExit() { OnClose(); }

// Command 505: pick a cable in the selection dialog and show it. The user's own cables are read
// again first, so the dialog lists them as they are now.
void MainFrame::SwitchCable() {
    RefreshMyCables();
    int number = PickCable(this, browseNode, myCables.Rows());
    if (IsMyCableNumber(number)) return pickMyCable(number);
    if (number < 0 || number >= CableRowCount) return;
    ShowCable(number);
}

void MainFrame::OnStartPinouts() { startPanel.Toggle(); }

void MainFrame::OnEndPinouts() { endPanel.Toggle(); }

void MainFrame::OnCableNotes() {
    if (const MyCable* mine = shownMyCable())
        OpenNotes(this, mine->files.notes, drawingWords.Words(mine->files.notes));
    else
        OpenNotes(this, Current.cableIndex, drawingWords.Words(DataFileName(DataPrefix::Notes, Current.cableIndex)));
}

void MainFrame::OnUserNotes() {
    if (const MyCable* mine = shownMyCable())
        OpenInEditor(this, myCables.NotesPath(*mine));
    else
        OpenUserNotes(this, Current.cableIndex);
}

void MainFrame::OnConnectorCatalog() { StartConnectorCatalog(this); }

void MainFrame::OnManual() { OpenManual(this); }
