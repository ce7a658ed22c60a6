// The user's own cables: showing one, reading them again when the user comes back from the
// editor, writing a new one (Ctrl+N) and opening one's source.

#include <algorithm>

#include "app/MainFrame.h"
#include "cables/CategoryBrowser.h"
#include "cables/MyCableFiles.h"
#include "external/ExternalPrograms.h"

// The one message of a source that does not compile: where and why, and the editor for it.
void MainFrame::OfferToEdit(const MyCable& cable) {
    const std::string text = cable.errorText() + "\n\nOpen it in the text editor?";
    if (MessageBox(text.c_str(), "Strandor!", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
    // The fault may lie in one of the user's connector drawings the cable names.
    const bool inConnector = cable.error.file != cable.file() && IsConnectorSourceName(cable.error.file) &&
                             cable.error.file.find_first_of("\\/:") == std::string::npos;
    OpenInEditor(this, inConnector ? myCables.folder() + "\\" + cable.error.file : cable.cable.source);
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
