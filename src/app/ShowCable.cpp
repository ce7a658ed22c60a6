#include "app/MainFrame.h"

void MainFrame::ShowCable(int number) {
    Current.cableIndex = number;
    const CableRecord& row = Catalog.cables[number];
    diagramPanel.firstPath = DataFileName(DataPrefix::Cable, number);
    startPanel.firstPath = DataFileName(DataPrefix::Plug, row.startPlug);
    startPanel.secondPath = DataFileName(DataPrefix::Pinouts, row.startPinouts);
    endPanel.firstPath = DataFileName(DataPrefix::Plug, row.endPlug);
    endPanel.secondPath = DataFileName(DataPrefix::Pinouts, row.endPinouts);

    SetWindowText(std::string("Strandor! [ ") + (row.name ? row.name : "") + " ]");

    // The panels must paint their new drawings before this returns. The main window does not clip
    // its children, so the invalidation reaches them; RDW_ALLCHILDREN makes the update paint them
    // at once too (Wine otherwise leaves the children to the message queue).
    const UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN;
    RedrawWindow(&startPanelRect, flags);
    RedrawWindow(&endPanelRect, flags);
    RedrawWindow(&diagramPanelRect, flags);
    panelsRetold();
}
