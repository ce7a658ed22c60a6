#pragma once
// The main window: key buttons and logo along the top, three drawing panels, the status line.
// It owns everything it shows, and the current cable.

#include <string>

#include "app/Layout.h"
#include "app/StatusLine.h"
#include "cables/Cable.h"
#include "cables/ShippedCables.h"
#include "drawing/DrawingPanel.h"
#include "drawing/KeyButton.h"
#include "framework/Dc.h"
#include "framework/Dpi.h"
#include "framework/GdiObjects.h"
#include "mycables/MyCableShelf.h"
#include "mycables/WindowsFolder.h"
#include "ui/HintTarget.h"
#include "ui/SurfaceWindow.h"

// The main window's state, read-only: what it shows and keeps.
struct MainFrameView {
    const int& dpi;
    const CDC& FrameMemDC;
    const CBitmap& LogoBitmap;
    const Cable& shownCable;
    const int& browseNode;
    const RECT& clientRect;
    const RECT& StatusRect;
    const std::string& StatusText;
    const int& CurrentHintId;
    const Scale& PanelScale;
    const SurfaceColours& colours;
    const RECT& startPanelRect;
    const RECT& diagramPanelRect;
    const RECT& endPanelRect;
    const DrawingPanel& startPanel;
    const DrawingPanel& diagramPanel;
    const DrawingPanel& endPanel;
    const KeyButton (&KeyButtons)[KeyButtonCount];
};

class MainFrame : public SurfaceFrame, public HintTarget {
public:
    // Creates the window, hidden until the start window's OK shows it with `showCommand`.
    explicit MainFrame(int showCommand);
    ~MainFrame() override;

    void ShowHint(int hintId, const std::string& text) override;
    // The quit confirmation, from the close box, F4 and the start window's NO.
    void OnClose();
    // Makes `cable` the current one: panel paths and words, title, and the panels repainted at once.
    void ShowCable(const Cable& cable);
    // The same for row `number` of the table.
    void ShowCable(int number);
    // Puts a command's message in the status line, whichever source wrote it last.
    void ShowStatus(const std::string& text);
    // What the window shows and keeps, to read: the tests and the bench check its state here.
    MainFrameView View() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void Paint(CDC& dc) override;
    void OnMouseMove(UINT flags, int x, int y);
    void OnSize(UINT type, int width, int height);
    void OnDpiChanged(int newDpi) override;
    void layOut();
    void setPanelRects(const PanelRects& panels);

    // The command table: one switch on the command id, and the commands (MainCommands.cpp).
    void OnCommand(UINT id);
    void OnFunctionKeys();
    void OnAbout();
    void OnPrint();
    void OnExit();
    void SwitchCable();
    void OnStartPinouts();
    void OnEndPinouts();
    void OnCableNotes();
    void OnUserNotes();
    void OnConnectorCatalog();
    void OnManual();

    // Windows delivers a window's first size event while creating it. Wine holds it back for a
    // hidden window and sends it at the first ShowWindow instead, which would change the layout the
    // user first sees; the main window delivers it itself and lets the late one pass unnoticed.
    bool sizeEventSeen = false;
    bool lateFirstSizePending = false;
    SIZE createdSize = {0, 0};

    // Find cable and Copy wiring.
    void OnFindCable();
    void OnCopyWiring();
    void OnBenchTest();
    bool shownIndexed();
    void OnInitMenu(HMENU menu);

    // Shows the cable a dialog picked; one of the user's that does not compile is offered to edit.
    void showPicked(const CableOrigin& picked);

    // The user's own cables.
    void RefreshMyCables();
    void OfferToEdit(const MyCable& cable);
    void OnNewCable();
    void OnEditCable();
    void OnActivate(int state);

    CDC FrameMemDC;  // memory DC for the logo; deleted when quitting is confirmed
    CBitmap LogoBitmap;
    int SavedShowCommand;  // the show command the program was launched with

    Cable shown;  // the current cable
    ShippedCables shippedCables;  // the table's cables with their index entries and connector rows
    int browseNode = 0;  // the category the selection dialog shows; kept from one opening to the next
    // The user's own cables, read from DATA\MYCABLES when F5 first opens.
    WindowsFolder myCableFiles;
    MyCableShelf myCables{myCableFiles};

    RECT clientRect{};
    RECT StatusRect{};
    std::string StatusText = WelcomeText;
    int CurrentHintId = HintWelcome;
    Scale PanelScale = {800, -600};  // the viewport extent the panels draw with
    RECT startPanelRect{};
    RECT diagramPanelRect{};
    RECT endPanelRect{};

    DrawingPanel startPanel{PanelScale, dpi, *this, "DATA\\PLUG\\PLUG.000",
                            "Start connector. Doubleclick or press F6 to toggle connector/pinouts.", StartPanelId};
    DrawingPanel diagramPanel{PanelScale, dpi, *this, "DATA\\CABLE\\CABLE.000",
                              "Circuit diagram. Doubleclick or press F8 for notes.", DiagramPanelId};
    DrawingPanel endPanel{PanelScale, dpi, *this, "DATA\\PLUG\\PLUG.000",
                          "End connector. Doubleclick or press F7 to toggle connector/pinouts.", EndPanelId};
    KeyButton KeyButtons[KeyButtonCount];  // F1 to F10

    // The GUI tests set what no user action reaches directly: a marker in the status line, a
    // panel scale, the category the selection dialog they run themselves shows.
    friend struct MainFrameProbe;
    // Tells a listening screen reader that the three panels show other drawings now.
    void panelsRetold();
};

constexpr RECT mainWindowRect = {0, 0, 640, 480};
// Posted when the main window becomes active: the user's cables are read again once activation is over.
constexpr UINT WM_REFRESH_MY_CABLES = WM_APP + 1;
