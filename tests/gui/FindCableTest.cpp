// Find cable and Copy wiring in the real program: the dialog driven by keys alone, the switch it
// makes, the clipboard in both formats, and a missing or damaged index.

#include "GuiHarness.h"
#include "TestDrawings.h"

#include <functional>
#include <vector>

#include "app/MainFrame.h"
#include "datafiles/CableIndex.h"
#include "cables/CableTable.h"
#include "resource.h"

namespace {
IndexedCable sampleCable(int number, IndexedEnd start, IndexedEnd end) {
    IndexedCable cable;
    cable.number = number;
    cable.title = "Test cable";
    cable.start = start;
    cable.end = end;
    cable.wires = {{"wire", "S3", "TxD", "E2", "RxD", "brown"},
                   {"shield", "SSHELL", "", "-", "", ""}, {"jumper", "E6", "DSR", "E1", "DCD", ""}};
    return cable;
}

void writeSampleIndex() {
    const IndexedEnd de9{"DE-9", "female", "DE-9 (9-pin D-sub)", "DE-9"};
    const IndexedEnd db25{"DB-25", "female", "DB-25 (25-pin D-sub)", "DB-25"};
    const IndexedEnd db25male{"DB-25", "male", "DB-25 (25-pin D-sub)", "DB-25"};
    CableIndex index{{sampleCable(2, db25, de9), sampleCable(5, db25male, de9), sampleCable(6, de9, de9),
                      sampleCable(52, de9, db25)}};
    MakeDataFolders();
    WriteBytes("DATA\\MISC\\CABLES.IDX", FormatCableIndex(index));
}

std::vector<std::string> listRows(HWND list) {
    std::vector<std::string> rows;
    for (int row = 0; row < ::SendMessageA(list, LB_GETCOUNT, 0, 0); ++row) {
        char text[256] = "";
        ::SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

// Keys as the keyboard gives them, to whatever has the focus: one step a tick of the dialog's own
// loop, once a dialog is the active window.
class Keyboard {
public:
    using Step = std::function<void()>;
    static Step type(const std::string& text) {
        return [text] {
            for (char c : text) ::PostMessageA(::GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        };
    }
    static Step key(UINT virtualKey) {
        return [virtualKey] { ::PostMessageA(::GetFocus(), WM_KEYDOWN, virtualKey, 1); };
    }
    static Step space() {  // a button acts when the key comes up
        return [] {
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_SPACE, 1);
            ::PostMessageA(::GetFocus(), WM_KEYUP, VK_SPACE, 0xC0000001);
        };
    }
    explicit Keyboard(std::vector<Step> steps) : steps(std::move(steps)) {
        current = this;
        timer = ::SetTimer(nullptr, 0, 80, &Keyboard::onTimer);
    }
    ~Keyboard() {
        stop();
        current = nullptr;
    }
    bool finished() const { return next == steps.size(); }

private:
    static inline Keyboard* current = nullptr;
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
        char activeClass[16] = "";
        ::GetClassNameA(::GetActiveWindow(), activeClass, sizeof activeClass);
        if (!current || std::string(activeClass) != "#32770") return;
        if (!current->finished()) current->steps[current->next++]();
        if (current->finished()) current->stop();  // so that the queue goes quiet
    }
    void stop() {
        if (timer) ::KillTimer(nullptr, timer);
        timer = 0;
    }
    std::vector<Step> steps;
    std::size_t next = 0;
    UINT_PTR timer = 0;
};

class FindCableTest : public ProgramTest {
protected:
    void SetUp() override {
        writeSampleIndex();
        ProgramTest::SetUp();
        // The start window's OK shows the main window, which has the keyboard from then on.
        ::PostMessageA(startWindow(), WM_KEYDOWN, VK_RETURN, 1);
        PumpUntilIdle();
        ::SetForegroundWindow(mainWindow());
        PumpUntilIdle();
    }
    // Runs Find cable, with `steps` typed while the dialog is up; false when no dialog came.
    bool findWith(std::vector<Keyboard::Step> steps) {
        HWND dialog = nullptr;
        Keyboard keyboard(std::move(steps));
        DialogWaiter waiter([&](HWND shown) { dialog = shown; });
        ::PostMessageA(mainWindow(), WM_COMMAND, ID_FIND_CABLE, 0);
        PumpUntilIdle(400, 15000);
        EXPECT_TRUE(keyboard.finished());
        EXPECT_FALSE(dialog && ::IsWindow(dialog)) << "the dialog is still open";
        return waiter.seen();
    }
    std::string title() const { return Describe(mainWindow()).caption; }
};
}  // namespace

TEST_F(FindCableTest, TypingTabArrowsAndEnterSwitchToTheFoundCable) {
    HWND words = nullptr, list = nullptr, focusAfterTabs = nullptr;
    int wordsId = 0;
    std::vector<std::string> rows;
    int selected = -1;
    using K = Keyboard;
    ASSERT_TRUE(findWith({
        [&] {
            words = ::GetFocus();
            wordsId = ::GetDlgCtrlID(words);
        },
        K::type("de-9 db-25"),
        [&] {
            list = ::GetDlgItem(::GetParent(words), IDC_FIND_LIST);
            rows = listRows(list);
        },
        K::key(VK_TAB), K::key(VK_TAB), K::key(VK_TAB), K::key(VK_TAB),
        [&] { focusAfterTabs = ::GetFocus(); },
        K::key(VK_DOWN),
        [&] { selected = static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0)); },
        K::key(VK_RETURN),
    }));
    EXPECT_EQ(wordsId, IDC_FIND_WORDS) << "the words box has the focus first";
    EXPECT_EQ(rows, (std::vector<std::string>{Catalog.cables[52].name, Catalog.cables[2].name, Catalog.cables[5].name}));
    EXPECT_EQ(focusAfterTabs, list) << "words, start connector, end connector, the check box, then the list";
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(title(), "Strandor! [ nullmodem, 3-Wire, DB25-DB9 ]");
    EXPECT_EQ(view().shownCable.origin.tableRow, 2);
    EXPECT_EQ(view().diagramPanel.firstPath, "DATA\\CABLE\\CABLE.002");
    EXPECT_EQ(view().startPanel.firstPath, "DATA\\PLUG\\PLUG.011");
    EXPECT_EQ(view().endPanel.secondPath, "DATA\\PINOUTS\\PINOUTS.001");
    EXPECT_EQ(view().browseNode, 4) << "F5 opens next in RS232, where cable 2 is listed";
}

TEST_F(FindCableTest, ConnectorChoicesNarrowTheListAndEscapeChangesNothing) {
    HWND combo = nullptr;
    int comboId = 0;
    std::vector<std::string> rows, inHandRows;
    using K = Keyboard;
    ASSERT_TRUE(findWith({
        K::key(VK_TAB),
        [&] {
            combo = ::GetFocus();
            comboId = ::GetDlgCtrlID(combo);
        },
        K::key(VK_DOWN), K::key(VK_DOWN),  // "(any)", "DB-25 female", "DB-25 male"
        K::key(VK_TAB), K::key(VK_DOWN), K::key(VK_DOWN), K::key(VK_DOWN),  // "DE-9 female"
        [&] { rows = listRows(::GetDlgItem(::GetParent(combo), IDC_FIND_LIST)); },
        // Held in hand, a DB-25 male takes the cables with a DB-25 female end; no cable has a DE-9
        // male end, so the end falls back to "(any)".
        K::key(VK_TAB), K::space(),
        [&] { inHandRows = listRows(::GetDlgItem(::GetParent(combo), IDC_FIND_LIST)); },
        K::key(VK_ESCAPE),
    }));
    EXPECT_EQ(comboId, IDC_FIND_START);
    EXPECT_EQ(rows, (std::vector<std::string>{Catalog.cables[5].name}));
    EXPECT_EQ(inHandRows, (std::vector<std::string>{Catalog.cables[52].name, Catalog.cables[2].name}));
    EXPECT_EQ(title(), "Strandor!");
    EXPECT_EQ(view().shownCable.origin.tableRow, 0);
    EXPECT_EQ(view().browseNode, 0);
}

TEST_F(FindCableTest, CopyWiringPutsTextAndCsvOnTheClipboardAndIsGreyForCableZero) {
    HMENU menu = ::GetMenu(mainWindow());
    auto grey = [&] {
        ::SendMessageA(mainWindow(), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
        return (::GetMenuState(menu, ID_COPY_WIRING, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    EXPECT_TRUE(grey());
    frame().ShowCable(6);
    EXPECT_FALSE(grey());
    ::PostMessageA(mainWindow(), WM_COMMAND, ID_COPY_WIRING, 0);
    PumpUntilIdle();
    EXPECT_EQ(view().StatusText, "Wiring of nullmodem, DB9-DB9 copied");

    ASSERT_TRUE(::OpenClipboard(nullptr));
    auto read = [](UINT format) {
        HANDLE data = ::GetClipboardData(format);
        const char* text = data ? static_cast<const char*>(::GlobalLock(data)) : nullptr;
        std::string copy = text ? text : "";
        if (text) ::GlobalUnlock(data);
        return copy;
    };
    const std::string text = read(CF_TEXT);
    const std::string csv = read(::RegisterClipboardFormatA("CSV"));
    ::CloseClipboard();
    EXPECT_EQ(text.substr(0, text.find("\r\n\r\n")),
              "nullmodem, DB9-DB9\r\nTest cable\r\nStart: DE-9 female, DE-9\r\nEnd: DE-9 female, DE-9");
    EXPECT_NE(text.find("\r\nS3 TxD -> E2 RxD (brown)\r\n"), std::string::npos) << text;
    EXPECT_EQ(csv,
              "start contact,start signal,end contact,end signal,colour,kind\r\nS3,TxD,E2,RxD,brown,wire\r\n"
              "SSHELL,,-,,,shield\r\nE6,DSR,E1,DCD,,jumper\r\n");
}

TEST_F(FindCableTest, AMissingOrDamagedIndexIsReportedByNameAndTheProgramGoesOn) {
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "cannot be read"},
        {"CABLE\t006\tT\nWIRE\twire\tS1\t\tE1\t\t\n", "is damaged (line 1: cable 006 has no START line)"},
    };
    for (const auto& [content, problem] : cases) {
        if (content)
            WriteBytes("DATA\\MISC\\CABLES.IDX", content);
        else
            ::DeleteFileA("DATA\\MISC\\CABLES.IDX");
        std::string message;
        DialogWaiter waiter([&](HWND box) {
            message = Describe(box).text;
            PressButton(box, IDOK);
        });
        ::PostMessageA(mainWindow(), WM_COMMAND, ID_FIND_CABLE, 0);
        PumpUntilIdle(300, 10000);
        ASSERT_TRUE(waiter.seen()) << problem;
        EXPECT_NE(message.find("The cable index DATA\\MISC\\CABLES.IDX " + std::string(problem)), std::string::npos)
            << message;
        EXPECT_EQ(title(), "Strandor!");
    }
}
