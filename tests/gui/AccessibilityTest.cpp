// What a screen reader finds in the real windows: every button and panel with its role, name,
// shortcut and value, the panels' values following the cable and the toggles with a value-change
// event each time, the notes in words; and the high-contrast colours on the real surfaces.

#include "ConnectorCatalogFixture.h"
#include "GuiHarness.h"
#include "TestDrawings.h"

#include <ole2.h>
#include <oleacc.h>

#include <map>

#include "cables/CableTable.h"
#include "framework/LateLibrary.h"
#include "resource.h"
#include "ui/Contrast.h"
#include "ui/SurfaceWindow.h"

namespace {
// The published id of IAccessible, spelt out: the import library's value was found wrong.
constexpr GUID AccessibleIid = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct Spoken {
    long role = -1;
    std::string name, shortcut, action, value;
    bool operator==(const Spoken& o) const {
        return role == o.role && name == o.name && shortcut == o.shortcut && action == o.action && value == o.value;
    }
};

std::ostream& operator<<(std::ostream& out, const Spoken& s) {
    return out << "{role " << s.role << ", \"" << s.name << "\", \"" << s.shortcut << "\", \"" << s.action << "\", \""
               << s.value << "\"}";
}

std::string text(BSTR bstr) {
    if (!bstr) return std::string();
    char narrow[8192] = "";
    ::WideCharToMultiByte(1252, 0, bstr, -1, narrow, sizeof narrow, nullptr, nullptr);
    Oleaut32().function<void(WINAPI*)(BSTR)>("SysFreeString")(bstr);
    return narrow;
}

// What AccessibleObjectFromWindow gives for the window's client area, as a reader hears it.
Spoken spoken(HWND window, bool withValue = true) {
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    IAccessible* object = nullptr;
    Spoken s;
    auto fromWindow = Oleacc().function<FromWindow>("AccessibleObjectFromWindow");
    if (!fromWindow || FAILED(fromWindow(window, OBJID_CLIENT, AccessibleIid, reinterpret_cast<void**>(&object))) ||
        !object)
        return s;
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role;
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) s.role = role.lVal;
    BSTR b = nullptr;
    if (SUCCEEDED(object->get_accName(self, &b))) s.name = text(b);
    b = nullptr;
    if (SUCCEEDED(object->get_accKeyboardShortcut(self, &b))) s.shortcut = text(b);
    b = nullptr;
    if (SUCCEEDED(object->get_accDefaultAction(self, &b))) s.action = text(b);
    b = nullptr;
    if (withValue && SUCCEEDED(object->get_accValue(self, &b))) s.value = text(b);
    object->Release();
    return s;
}

std::string valueOf(HWND window) { return spoken(window).value; }

// The generated DATA files a reader's words come from, and the drawings of cable 6, copied beside
// the test's own drawings.
const char* const SpokenFiles[] = {"MISC\\CONNECT.LST", "MISC\\CABLES.IDX", "CABLE\\CABLE.000",
                                   "CABLE\\CABLE.006",   "PLUG\\PLUG.009",    "PINOUTS\\PINOUTS.001"};

int valueChanges = 0;
std::map<HWND, int> changesOf;
void CALLBACK onWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (event != EVENT_OBJECT_VALUECHANGE || object != OBJID_CLIENT || child != CHILDID_SELF) return;
    ++valueChanges;
    ++changesOf[window];
}

class AccessibilityTest : public ProgramTest {
protected:
    void SetUp() override {
        MakeDataFolders();
        for (const char* file : SpokenFiles)
            ASSERT_TRUE(::CopyFileA(GeneratedDataFile(file).c_str(), (std::string("DATA\\") + file).c_str(), FALSE)) << file;
        ProgramTest::SetUp();
        PressKey(startWindow(), VK_RETURN);
    }
    void TearDown() override {
        ProgramTest::TearDown();
        for (const char* file : SpokenFiles) ::DeleteFileA((std::string("DATA\\") + file).c_str());
    }
    void command(int id) {
        ::SendMessageA(mainWindow(), WM_COMMAND, id, 0);
        PumpUntilIdle();
    }
    // F8, and the value of the notes dialog it opens.
    std::string notesHeard() {
        std::string notes;
        DialogWaiter waiter([&](HWND dialog) {
            notes = valueOf(dialog);
            PressButton(dialog, IDOK);
        });
        ::PostMessageA(mainWindow(), WM_COMMAND, ID_CABLE_NOTES, 0);
        PumpUntilIdle(300);
        return notes;
    }
};

constexpr long Push = ROLE_SYSTEM_PUSHBUTTON;

}  // namespace

TEST_F(AccessibilityTest, EveryChildOfTheMainWindowAndEveryTickAndCrossHasARoleAndAName) {
    const std::map<int, Spoken> expected = {
        {501, {Push, "F1 Help", "F1", "Press", ""}},
        {502, {Push, "F2 Info about Strandor!", "F2", "Press", ""}},
        {503, {Push, "F3 Print", "F3", "Press", ""}},
        {504, {Push, "F4 Exit to Windows", "F4", "Press", ""}},
        {505, {Push, "F5 Cable list", "F5", "Press", ""}},
        {506, {Push, "F6 Start connector pinouts", "F6", "Press", ""}},
        {507, {Push, "F7 End connector pinouts", "F7", "Press", ""}},
        {508, {Push, "F8 Cable notes", "F8", "Press", ""}},
        {509, {Push, "F9 User notes", "F9", "Press", ""}},
        {510, {Push, "F10 Connector catalog", "F10", "Press", ""}},
        {StartPanelId, {ROLE_SYSTEM_GRAPHIC, "Start connector", "", "", ""}},
        {DiagramPanelId, {ROLE_SYSTEM_GRAPHIC, "Circuit diagram", "", "", ""}},
        {EndPanelId, {ROLE_SYSTEM_GRAPHIC, "End connector", "", "", ""}},
    };
    int children = 0;
    for (HWND child = ::GetWindow(mainWindow(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT), ++children) {
        const int id = ::GetDlgCtrlID(child);
        ASSERT_EQ(expected.count(id), 1u) << "a child with id " << id;
        EXPECT_EQ(spoken(child, false), expected.at(id)) << "child " << id;
    }
    EXPECT_EQ(children, 13);
    EXPECT_EQ(spoken(::GetDlgItem(startWindow(), IDC_START_OK)), (Spoken{Push, "OK", "Enter", "Press", ""}));
    EXPECT_EQ(spoken(::GetDlgItem(startWindow(), IDC_START_NO)), (Spoken{Push, "NO", "Esc", "Press", ""}));

    // The tick and cross of both cable dialogs, asked while each is open.
    for (int id : {ID_SELECT_CABLE, ID_FIND_CABLE}) {
        Spoken ok, cancel;
        DialogWaiter waiter([&](HWND dialog) {
            ok = spoken(::GetDlgItem(dialog, IDOK));
            cancel = spoken(::GetDlgItem(dialog, IDCANCEL));
            PressButton(dialog, IDCANCEL);
        });
        ::PostMessageA(mainWindow(), WM_COMMAND, id, 0);
        PumpUntilIdle(300);
        ASSERT_TRUE(waiter.seen()) << "command " << id;
        EXPECT_EQ(ok, (Spoken{Push, "OK", "Enter", "Press", ""})) << "command " << id;
        EXPECT_EQ(cancel, (Spoken{Push, "Cancel", "Esc", "Press", ""})) << "command " << id;
    }
}

TEST_F(AccessibilityTest, PanelsTellTheDrawingsTheyShowAndSayWhenTheyChange) {
    MainFrame& f = frame();
    EXPECT_NE(valueOf(view().diagramPanel).find("Press F5"), std::string::npos) << "the welcome: " << valueOf(view().diagramPanel);

    valueChanges = 0;
    changesOf.clear();
    HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &onWinEvent,
                                           ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    f.ShowCable(3);  // the 3-wire DE-9 null modem
    PumpUntilIdle();
    EXPECT_EQ(valueChanges, 3);
    EXPECT_EQ(changesOf[view().startPanel] + changesOf[view().diagramPanel] + changesOf[view().endPanel], 3);
    EXPECT_EQ(valueOf(view().startPanel), "DE-9 (9-pin D-sub), female, mating face");
    EXPECT_EQ(valueOf(view().endPanel), "DE-9 (9-pin D-sub), female, mating face");
    const std::string diagram = valueOf(view().diagramPanel);
    for (const char* words : {"Null modem, 3 wires, handshake looped back\r\n", "Start: DE-9 female, DE-9 (PC 1)\r\n",
                              "S3 TxD -> E2 RxD\r\n", "S2 RxD -> E3 TxD\r\n", "S5 GND -> E5 GND\r\n",
                              "S7 RTS -> S8 CTS\r\n", "E6 - E1\r\n"})
        EXPECT_NE(diagram.find(words), std::string::npos) << words << " in:\n" << diagram;
    EXPECT_EQ(diagram.rfind(Catalog.cables[3].name, 0), 0u) << "the cable's name first:\n" << diagram;

    command(ID_START_PINOUTS);
    EXPECT_EQ(valueChanges, 4);
    EXPECT_EQ(changesOf[view().startPanel], 2);
    EXPECT_EQ(valueOf(view().startPanel).rfind("DE-9 RS-232 (PC, DTE): 1 DCD in (carrier); 2 RxD in (receive); 3 TxD out", 0), 0u)
        << valueOf(view().startPanel);
    EXPECT_EQ(valueOf(view().endPanel), "DE-9 (9-pin D-sub), female, mating face") << "F6 leaves the end alone";
    command(ID_END_PINOUTS);
    EXPECT_EQ(valueChanges, 5);
    EXPECT_EQ(changesOf[view().endPanel], 2);
    EXPECT_EQ(valueOf(view().endPanel), valueOf(view().startPanel));
    ::UnhookWinEvent(hook);

    // The notes dialog holds the notes in full as its value.
    const std::string notes = notesHeard();
    EXPECT_EQ(notes.rfind("What it is for: Joins two PCs by their 9-pin serial ports", 0), 0u) << notes;
    EXPECT_NE(notes.find("\r\nCaution: The shield goes to the metal shell at the start only"), std::string::npos) << notes;
    EXPECT_NE(notes.find("No beep between any other two contacts."), std::string::npos) << notes;
}

TEST_F(AccessibilityTest, TheTestAtTheBenchIsReadStepByStep) {
    frame().ShowCable(6);
    Spoken first, view, second;
    DialogWaiter waiter([&](HWND dialog) {
        const HWND step = ::GetDlgItem(dialog, IDC_BENCH_STEP);
        first = spoken(dialog);
        view = spoken(step);
        ::SendMessageA(step, WM_KEYDOWN, 'Y', 1);
        second = spoken(dialog);
        ::SendMessageA(step, WM_KEYDOWN, VK_BACK, 1);
        ::SendMessageA(step, WM_KEYDOWN, VK_ESCAPE, 1);  // nothing answered: it closes without asking
    });
    command(ID_BENCH_TEST);
    ASSERT_TRUE(waiter.seen());
    EXPECT_EQ(first.name, "Probes on S3 (TxD) and E2 (RxD): does the meter beep?");
    EXPECT_EQ(first.value.substr(0, 37), "Step 1 of 37: every connection beeps\n") << first.value;
    EXPECT_EQ(view.role, ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(view.name, first.value);
    EXPECT_EQ(second.name, "Probes on S2 (RxD) and E3 (TxD): does the meter beep?");
    EXPECT_EQ(::FindWindowA(nullptr, "Strandor! - Test at the bench: nullmodem, DB9-DB9"), nullptr);
}

TEST_F(AccessibilityTest, AMissingOrDamagedListLeavesTheValuesEmptyAndTheProgramWorking) {
    WriteBytes("DATA\\MISC\\CONNECT.LST", "CONNECTOR\t009\n");
    ::DeleteFileA("DATA\\MISC\\CABLES.IDX");
    frame().ShowCable(3);
    command(ID_START_PINOUTS);
    EXPECT_EQ(valueOf(view().startPanel), "");
    EXPECT_EQ(valueOf(view().diagramPanel), "");
    EXPECT_EQ(spoken(view().diagramPanel).name, "Circuit diagram");
    EXPECT_EQ(view().startPanel.showFirst, 0) << "the toggle still works";
}

TEST_F(AccessibilityTest, AUserCableWithItsOwnConnectorAndPinoutsIsHeardAsATableCableIs) {
    // A router's console port to a PC's DE-9, saved as UTF-8 without a mark, its connector and its
    // pinout drawing the user's own; the DE-9 end the shipped ones, whose sources the guide reads.
    const std::string shipped = GeneratedDataFile("SOURCES\\connectors\\");
    for (const char* folder : {"DATA\\MYCABLES", "DATA\\SOURCES", "DATA\\SOURCES\\connectors"}) ::CreateDirectoryA(folder, nullptr);
    for (const char* file : {"plug-009.txt", "pinouts-001.txt"})
        WriteBytes(std::string("DATA\\SOURCES\\connectors\\") + file, ReadBytes(shipped + file));
    WriteBytes("DATA\\MYCABLES\\plug-console.txt", "title Console plug (8P8C)\nface modular 8\ngender male\n");
    WriteBytes("DATA\\MYCABLES\\pinouts-console.txt",
               "title Console port, \xC2\xB1" "12 V\nface plug console\npin 1 RTS out\npin 2 DTR out\npin 3 TxD out\n"
               "pin 4 GND\npin 5 GND\npin 6 RxD in\npin 7 DSR in\npin 8 CTS in\n");
    WriteBytes("DATA\\MYCABLES\\console.txt",
               "name C\xC3\xA2" "ble console RJ-45 to DE-9\nconnector start console\nconnector end 9\n"
               "pinouts start console\npinouts end 1\ntitle Router console\nstart RJ-45 router\nend DE-9 (PC)\n"
               "gender start male\ngender end female\nwire 1 8 RTS CTS\nwire 2 6 DTR DSR\nwire 3 2 TxD RxD\n"
               "wire 4 5 GND GND\njumper start 4 5 GND GND\nwire 6 3 RxD TxD\nwire 7 4 DSR DTR\nwire 8 7 CTS RTS\n"
               "use Connects the console port of a router to a PC's serial port.\n");
    struct Cleanup {
        ~Cleanup() {
            RemoveTree("DATA\\MYCABLES");
            RemoveTree("DATA\\SOURCES");
        }
    } cleanup;
    DialogWaiter picker([](HWND dialog) {
        HWND list = ::GetDlgItem(dialog, IDC_CABLE_LIST);
        ::SendMessageA(list, LB_SETCURSEL, ::SendMessageA(list, LB_GETCOUNT, 0, 0) - 1, 0);  // "[+] My cables"
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        ::SendMessageA(list, LB_SETCURSEL, 1, 0);
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ::PostMessageA(mainWindow(), WM_COMMAND, ID_SELECT_CABLE, 0);
    PumpUntilIdle(300);
    ASSERT_TRUE(picker.seen());
    char title[256] = "";
    ::GetWindowTextA(mainWindow(), title, sizeof title);
    ASSERT_EQ(std::string(title), "Strandor! [ C\xE2" "ble console RJ-45 to DE-9 ]");

    EXPECT_EQ(valueOf(view().startPanel), "Console plug (8P8C), male, mating face");
    EXPECT_EQ(valueOf(view().endPanel), "DE-9 (9-pin D-sub), female, mating face");
    const std::string diagram = valueOf(view().diagramPanel);
    EXPECT_EQ(diagram.rfind("C\xE2" "ble console RJ-45 to DE-9\r\nRouter console\r\n", 0), 0u) << diagram;
    for (const char* words : {"S3 TxD -> E2 RxD\r\n", "S4 GND -> E5 GND\r\n", "S4 - S5\r\n"})
        EXPECT_NE(diagram.find(words), std::string::npos) << words << " in:\n" << diagram;
    command(ID_START_PINOUTS);
    EXPECT_EQ(valueOf(view().startPanel), "Console port, \xB1" "12 V: 1 RTS out; 2 DTR out; 3 TxD out; 4 GND; 5 GND; 6 RxD in; "
                                     "7 DSR in; 8 CTS in");
    command(ID_END_PINOUTS);
    EXPECT_EQ(valueOf(view().endPanel).rfind("DE-9 RS-232 (PC, DTE): 1 DCD in (carrier); 2 RxD in (receive); 3 TxD out", 0), 0u)
        << valueOf(view().endPanel);

    const std::string notes = notesHeard();
    EXPECT_EQ(notes.rfind("What it is for: Connects the console port of a router to a PC's serial port.\r\n", 0), 0u) << notes;
    EXPECT_NE(notes.find("S3 - E2"), std::string::npos) << "the continuity checklist:\n" << notes;
}

TEST_F(AccessibilityTest, HighContrastColoursTheSurfaceStatusLineAndFramesAndNotTheDrawings) {
    const SystemColours system = HighContrastSystem();
    MainFrame& f = frame();
    f.ShowCable(6);
    command(ID_START_PINOUTS);
    f.SetColours(SurfaceColoursFor(true, system));
    f.RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpUntilIdle();

    const Pixels main = Pixels::OfClient(mainWindow());
    SaveHighContrastShot(Pixels::OfScreen(mainWindow()));
    const RECT client = view().clientRect, status = view().StatusRect;
    EXPECT_EQ(ColourName(main.at(150, client.bottom - 30)), ColourName(system.buttonFace)) << "the surface";
    EXPECT_EQ(ColourName(main.at(0, 100)), ColourName(system.buttonHighlight)) << "the left edge";
    EXPECT_EQ(ColourName(main.at(300, 0)), ColourName(system.buttonHighlight)) << "the top edge";
    EXPECT_GT(main.countOf(system.buttonText, status), 20) << "the status line's text";
    EXPECT_EQ(main.countOf(RGB(0, 0, 255), status), 0) << "no blue layer";
    EXPECT_EQ(main.countOf(RGB(128, 128, 128), status) + main.countOf(RGB(255, 255, 255), status), 0)
        << "no embossing";

    const Pixels panel = Pixels::OfClient(view().startPanel);
    EXPECT_EQ(ColourName(panel.at(0, 50)), ColourName(system.buttonShadow)) << "the frame's outer line";
    EXPECT_EQ(ColourName(panel.at(1, 50)), ColourName(system.buttonText)) << "its inner outline";
    EXPECT_EQ(ColourName(panel.at(10, 10)), ColourName(RGB(255, 255, 255))) << "the drawing's white ground";

    // The colours read again, with high contrast off (as Wine always answers): the program's own look.
    ::SendMessageA(mainWindow(), WM_SYSCOLORCHANGE, 0, 0);
    PumpUntilIdle();
    EXPECT_TRUE(view().colours == ClassicColours());
    EXPECT_EQ(ColourName(Pixels::OfClient(mainWindow()).at(150, client.bottom - 30)), ColourName(RGB(192, 192, 192)));
    EXPECT_EQ(ColourName(Pixels::OfClient(view().startPanel).at(1, 50)), ColourName(RGB(0, 0, 0)));
}

// The connector catalog program: its controls are named for a reader as the guide's are, its
// drawings told in words as they change, and its surface takes the high-contrast colours.
using CatalogAccessibilityTest = ConnectorCatalogTest;

TEST_F(CatalogAccessibilityTest, ListsFindBoxAndDrawingsHaveNamesRolesAndWords) {
    const struct {
        int id;
        long role;
        const char* name;
    } controls[] = {
        {IDC_CATALOG_CONNECTORS, ROLE_SYSTEM_LIST, "Connectors"},
        {IDC_CATALOG_PINOUTS, ROLE_SYSTEM_LIST, "Pinouts"},
        {IDC_CATALOG_CABLES, ROLE_SYSTEM_LIST, "Cables of the guide with this connector and pinout"},
        {IDC_CATALOG_FIND, ROLE_SYSTEM_TEXT, "Find connector"},
        {IDC_CATALOG_CONNECTOR_DRAWING, ROLE_SYSTEM_GRAPHIC, "Connector drawing"},
        {IDC_CATALOG_PINOUT_DRAWING, ROLE_SYSTEM_GRAPHIC, "Pinout drawing"},
    };
    for (const auto& c : controls) {
        const Spoken s = spoken(item(c.id), false);
        EXPECT_EQ(s.role, c.role) << c.name;
        EXPECT_EQ(s.name, c.name);
    }
    EXPECT_EQ(valueOf(item(IDC_CATALOG_CONNECTOR_DRAWING)), "DE-9 (9-pin D-sub)");
    EXPECT_EQ(valueOf(item(IDC_CATALOG_PINOUT_DRAWING)), "DE-9 RS-232 (PC, DTE)");
    ::SendMessageA(frame(), WM_COMMAND, ID_CATALOG_NEXT_PINOUT, 0);
    EXPECT_EQ(valueOf(item(IDC_CATALOG_PINOUT_DRAWING)), "CGA video (DE-9)");
}

TEST_F(CatalogAccessibilityTest, HighContrastColoursTheSurfaceCaptionsAndFramesAndNotTheDrawings) {
    const SystemColours system = HighContrastSystem();
    static_cast<SurfaceFrame*>(CWnd::FromHandle(frame()))->SetColours(SurfaceColoursFor(true, system));
    PumpUntilIdle();

    const Pixels client = Pixels::OfClient(frame());
    SaveHighContrastShot(Pixels::OfScreen(frame()));
    RECT view;
    ::GetWindowRect(item(IDC_CATALOG_CONNECTOR_DRAWING), &view);
    ::MapWindowPoints(nullptr, frame(), reinterpret_cast<POINT*>(&view), 2);
    const RECT captions = {view.left, 0, client.width(), view.top};
    EXPECT_EQ(ColourName(client.at(view.left - 2, view.top + 20)), ColourName(system.buttonFace)) << "the surface";
    EXPECT_EQ(ColourName(client.at(0, 100)), ColourName(system.buttonHighlight)) << "the left edge";
    EXPECT_GT(client.countOf(system.buttonText, captions), 20) << "the captions";
    EXPECT_EQ(client.countOf(RGB(192, 192, 192), captions), 0) << "nothing left of the grey surface";
    const Pixels drawing = Pixels::OfClient(item(IDC_CATALOG_CONNECTOR_DRAWING));
    EXPECT_EQ(ColourName(drawing.at(0, 50)), ColourName(system.buttonShadow)) << "the frame's outer line";
    EXPECT_EQ(ColourName(drawing.at(1, 50)), ColourName(system.buttonText)) << "its inner outline";
    EXPECT_EQ(ColourName(drawing.at(10, 10)), ColourName(RGB(255, 255, 255))) << "the drawing's white ground";

    // The colours read again, with high contrast off (as Wine always answers): the program's own look.
    ::SendMessageA(frame(), WM_SYSCOLORCHANGE, 0, 0);
    PumpUntilIdle();
    EXPECT_EQ(ColourName(Pixels::OfClient(frame()).at(view.left - 2, view.top + 20)), ColourName(RGB(192, 192, 192)));
    EXPECT_EQ(ColourName(Pixels::OfClient(item(IDC_CATALOG_CONNECTOR_DRAWING)).at(1, 50)), ColourName(RGB(0, 0, 0)));
}
