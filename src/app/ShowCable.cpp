#include "app/MainFrame.h"

void MainFrame::ShowCable(int number) {
    Current.cableIndex = number;
    myCableFile.clear();
    showFiles(TableCableFiles(number));
}

void MainFrame::ShowMyCable(const MyCable& cable) {
    Current.cableIndex = 0;
    myCableFile = cable.file;
    showFiles(cable.files);
}

void MainFrame::showFiles(const CableFiles& files) {
    diagramPanel.firstPath = files.diagram;
    startPanel.firstPath = files.startPlug;
    startPanel.secondPath = files.startPinouts;
    endPanel.firstPath = files.endPlug;
    endPanel.secondPath = files.endPinouts;

    SetWindowText("Strandor! [ " + files.name + " ]");

    // The panels must paint their new drawings before this returns. The main window does not clip
    // its children, so the invalidation reaches them; RDW_ALLCHILDREN makes the update paint them
    // at once too (Wine otherwise leaves the children to the message queue).
    const UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN;
    RedrawWindow(&startPanelRect, flags);
    RedrawWindow(&endPanelRect, flags);
    RedrawWindow(&diagramPanelRect, flags);
    panelsRetold();
}
