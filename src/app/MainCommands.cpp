// The main window's command table: every command id goes to one handler here, and the handlers are
// the one place that calls the features. Each takes the shown cable, whichever its origin.

#include <algorithm>

#include "app/MainFrame.h"
#include "app/StatusLine.h"
#include "benchtest/BenchTestDialog.h"
#include "cables/CableSearch.h"
#include "cables/CableSelectDialog.h"
#include "cables/CategoryBrowser.h"
#include "cables/FindCableDialog.h"
#include "cables/WiringClipboard.h"
#include "drawing/DrawingWords.h"
#include "drawing/NotesDialog.h"
#include "external/ExternalPrograms.h"
#include "framework/Dialog.h"
#include "mycables/MyCableFiles.h"
#include "print/PrintCommand.h"
#include "resource.h"

namespace {
constexpr int HintCommandMessage = 2;  // a command's message in the status line
}  // namespace

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

void MainFrame::ShowCable(int number) { ShowCable(shippedCables.Make(number)); }

void MainFrame::ShowCable(const Cable& cable) {
    shown = cable;
    diagramPanel.firstPath = cable.diagram;
    diagramPanel.firstWords = DrawingWords(cable, CableDrawing::Diagram);
    startPanel.firstPath = cable.start.plug;
    startPanel.firstWords = DrawingWords(cable, CableDrawing::StartPlug);
    startPanel.secondPath = cable.start.pinouts;
    startPanel.secondWords = DrawingWords(cable, CableDrawing::StartPinouts);
    endPanel.firstPath = cable.end.plug;
    endPanel.firstWords = DrawingWords(cable, CableDrawing::EndPlug);
    endPanel.secondPath = cable.end.pinouts;
    endPanel.secondWords = DrawingWords(cable, CableDrawing::EndPinouts);

    SetWindowText("Strandor! [ " + cable.name + " ]");

    // The panels must paint their new drawings before this returns. The main window does not clip
    // its children, so the invalidation reaches them; RDW_ALLCHILDREN makes the update paint them
    // at once too (Wine otherwise leaves the children to the message queue).
    const UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN;
    RedrawWindow(&startPanelRect, flags);
    RedrawWindow(&endPanelRect, flags);
    RedrawWindow(&diagramPanelRect, flags);
    panelsRetold();
}

void MainFrame::showPicked(const CableOrigin& picked) {
    if (!picked.IsMine()) return ShowCable(picked.tableRow);
    const MyCable* found = myCables.Find(picked.myFile);
    if (!found) return;
    const MyCable cable = *found;
    if (cable.drawable) ShowCable(cable.cable);  // a broken one shows its last good drawings
    if (cable.broken) OfferToEdit(cable);
}

// Find cable and Copy wiring work from the cables' index entries.

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

// Whether the shown cable has its wiring from the index; says why not where it has none.
bool MainFrame::shownIndexed() {
    if (shown.IsNoCable()) return false;  // the welcome drawings have no wiring
    // A table cable shown while its index could not be read is made again now that it can.
    if (!shown.indexed && !shown.origin.IsMine()) {
        if (!shippedCables.Index(this)) return false;
        shown = shippedCables.Make(shown.origin.tableRow);
    }
    if (!shown.indexed) {
        const std::string text = "The cable index " + std::string(CableIndexPath) + " has no wiring of " + shown.name + ".";
        MessageBox(text.c_str(), "Strandor!", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

void MainFrame::OnCopyWiring() {
    if (!shownIndexed()) return;
    if (!PutWiringOnClipboard(hwnd, shown.entry, shown.name)) {
        MessageBox("The clipboard is in use by another program; try again.", "Strandor!", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShowStatus("Wiring of " + shown.name + " copied");
}

// Test at the bench (Ctrl+T): the meter test of the shown cable, the table's or the user's own.
void MainFrame::OnBenchTest() {
    if (shownIndexed()) RunBenchTest(this, shown);
}

// Before a menu opens and before an accelerator runs its command: Copy wiring and Test at the
// bench are grey for cable 0, Edit this cable for every cable but the user's own.
void MainFrame::OnInitMenu(HMENU menu) {
    ::EnableMenuItem(menu, ID_COPY_WIRING, MF_BYCOMMAND | (shown.IsNoCable() ? MF_GRAYED : MF_ENABLED));
    ::EnableMenuItem(menu, ID_BENCH_TEST, MF_BYCOMMAND | (shown.IsNoCable() ? MF_GRAYED : MF_ENABLED));
    ::EnableMenuItem(menu, ID_EDIT_CABLE, MF_BYCOMMAND | (shown.origin.IsMine() ? MF_ENABLED : MF_GRAYED));
}

void MainFrame::ShowStatus(const std::string& text) {
    CurrentHintId = HintCommandMessage;
    StatusText = text;
    RedrawWindow(&StatusRect, RDW_INVALIDATE | RDW_UPDATENOW);
}

// The user's own cables: read again when the user comes back from the editor, a new one written
// (Ctrl+N), one's source opened.

void MainFrame::OfferToEdit(const MyCable& cable) {
    const std::string text = cable.errorText() + "\n\nOpen it in the text editor?";
    if (MessageBox(text.c_str(), "Strandor!", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
    // The fault may lie in one of the user's connector drawings the cable names.
    const std::string faultFile = cable.error().file;
    const bool inConnector = faultFile != cable.file() && IsConnectorSourceName(faultFile) &&
                             faultFile.find_first_of("\\/:") == std::string::npos;
    OpenInEditor(this, inConnector ? myCables.folder() + "\\" + faultFile : cable.cable.source);
}

void MainFrame::RefreshMyCables() {
    const std::vector<std::string> changed = myCables.Refresh();
    const std::string& file = shown.origin.myFile;
    if (file.empty() || std::find(changed.begin(), changed.end(), file) == changed.end()) return;
    // Its source gone, nothing is left to print, copy or edit.
    if (!myCables.Find(file)) return ShowCable(0);
    showPicked(shown.origin);
}

// Coming back from the editor: the sources are read again once the activation is over, and only
// when the user has looked at them since start-up.
void MainFrame::OnActivate(int state) {
    if (state != WA_INACTIVE && myCables.Loaded()) PostMessage(WM_REFRESH_MY_CABLES, 0, 0);
}

void MainFrame::OnNewCable() {
    std::string error;
    const std::string path = myCables.WriteNewCable(shown, error);
    if (path.empty()) {
        MessageBox(error.c_str(), "Strandor!", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    myCables.Refresh();
    const std::string file = path.substr(path.find_last_of('\\') + 1);
    if (const MyCable* made = myCables.Find(file)) {
        if (made->drawable) ShowCable(made->cable);
        browseNode = MyCablesNode;
    }
    OpenInEditor(this, path);
}

void MainFrame::OnEditCable() {
    if (shown.origin.IsMine()) OpenInEditor(this, shown.source);
}
