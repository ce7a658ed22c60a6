#include "app/MainFrame.h"

#include "drawing/DrawingWords.h"

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
