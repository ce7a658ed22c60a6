// The main window's command table: every command id goes to one handler here, and the handlers are
// the one place that calls the features.

#include "app/MainFrame.h"
#include "cables/CableSelectDialog.h"
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
    const Cable cable = shown;
    PrintCables(this, cable);
}

void MainFrame::OnExit() { OnClose(); }

// Command 505: pick a cable in the selection dialog and show it. The user's own cables are read
// again first, so the dialog lists them as they are now.
void MainFrame::SwitchCable() {
    RefreshMyCables();
    if (const std::optional<CableOrigin> picked = PickCable(this, browseNode, myCables.Rows())) showPicked(*picked);
}

void MainFrame::OnStartPinouts() { startPanel.Toggle(); }

void MainFrame::OnEndPinouts() { endPanel.Toggle(); }

void MainFrame::OnCableNotes() {
    const Cable cable = shown;
    OpenNotes(this, cable);
}

void MainFrame::OnUserNotes() {
    myCables.MakeNotesFile(shown);
    OpenUserNotes(this, shown);
}

void MainFrame::OnConnectorCatalog() { StartConnectorCatalog(this); }

void MainFrame::OnManual() { OpenManual(this); }
