// The catalog program as the user meets it outside the window: started by F10 in the guide, and
// a connector list that is missing or damaged.

#include "ConnectorCatalogFixture.h"

#include "TestDrawings.h"
#include "catalogapp/CatalogFrame.h"
#include "resource.h"

namespace {
class ConnectorCatalogLaunch : public ProgramTest {
protected:
    void SetUp() override {
        WriteCatalogTestData();
        ProgramTest::SetUp();
        PressKey(startWindow(), VK_RETURN);
    }
    void TearDown() override {
        for (const CatalogWindow& window : CatalogWindowsOfOtherProcesses()) EndProcessById(window.processId);
        ProgramTest::TearDown();
        RemoveCatalogTestData();
    }
};

std::vector<CatalogWindow> waitForCatalogWindow() {
    for (int i = 0; i < 300; ++i) {
        std::vector<CatalogWindow> windows = CatalogWindowsOfOtherProcesses();
        if (!windows.empty()) return windows;
        PumpUntilIdle(20, 100);
        ::Sleep(50);
    }
    return CatalogWindowsOfOtherProcesses();
}

// Runs the catalog's start-up in-process and answers its message, if one comes.
struct StartOutcome {
    BOOL started;
    bool windowMade;
    DialogInfo message;
};

StartOutcome startCatalog() {
    CatalogApp app;
    app.showCommand = SW_SHOWNORMAL;
    DialogWaiter answer([](HWND box) { PressButton(box, IDOK); }, 4000);
    StartOutcome outcome{app.InitInstance(), app.mainWindow != nullptr, {}};
    PumpUntilIdle();
    outcome.message = answer.dialog();
    if (app.mainWindow) ::DestroyWindow(app.mainWindow->GetSafeHwnd());
    PumpUntilIdle(20);
    return outcome;
}
}  // namespace

TEST_F(ConnectorCatalogLaunch, F10InTheGuideStartsTheCatalogBuiltBesideIt) {
    ASSERT_NE(::GetFileAttributesA((ProgramFolder() + "\\CATALOG.EXE").c_str()), INVALID_FILE_ATTRIBUTES)
        << "CATALOG.EXE is not built beside the test program";
    ASSERT_TRUE(CatalogWindowsOfOtherProcesses().empty());

    ::PostMessageA(mainWindow(), WM_KEYDOWN, VK_F10, 1);
    PumpUntilIdle();
    std::vector<CatalogWindow> windows = waitForCatalogWindow();
    ASSERT_EQ(windows.size(), 1u) << "no catalog window came up";
    EXPECT_NE(windows[0].processId, ::GetCurrentProcessId());
    // It read the list in the guide's current folder: seven rows, the first connector chosen.
    HWND list = ::GetDlgItem(windows[0].hwnd, IDC_CATALOG_CONNECTORS);
    EXPECT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), 7);
    EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(::IsWindowVisible(mainWindow())) << "the guide goes on";

    EndProcessById(windows[0].processId);
    EXPECT_TRUE(CatalogWindowsOfOtherProcesses().empty());
}

TEST(ConnectorCatalogList, AMissingListIsToldAndTheProgramEnds) {
    MakeDataFolders();
    ::DeleteFileA(ConnectorListPath);
    StartOutcome outcome = startCatalog();
    EXPECT_FALSE(outcome.started);
    EXPECT_FALSE(outcome.windowMade);
    EXPECT_EQ(outcome.message.caption, "Strandor! connector catalog");
    EXPECT_EQ(outcome.message.text.find("The connector list DATA\\MISC\\CONNECT.LST cannot be read: "), 0u)
        << outcome.message.text;
    EXPECT_NE(outcome.message.text.find("folder that holds the DATA folder"), std::string::npos) << outcome.message.text;
}

TEST(ConnectorCatalogList, ADamagedListIsToldWithItsLineAndTheProgramEnds) {
    MakeDataFolders();
    WriteBytes(ConnectorListPath, "; list\r\nCONNECTOR\t9\tSerial and parallel\tDE-9\t001\r\n");
    StartOutcome outcome = startCatalog();
    EXPECT_FALSE(outcome.started);
    EXPECT_FALSE(outcome.windowMade);
    EXPECT_EQ(outcome.message.caption, "Strandor! connector catalog");
    EXPECT_EQ(outcome.message.text,
              "The connector list DATA\\MISC\\CONNECT.LST is damaged (line 2: the connector number '9' is not three "
              "digits).\n\nInstall the program's DATA folder again.");

    WriteBytes(ConnectorListPath, std::string("\x7f" "ELF\0\0\0", 7));
    outcome = startCatalog();
    EXPECT_FALSE(outcome.started);
    EXPECT_NE(outcome.message.text.find("is damaged (the file holds binary data)"), std::string::npos)
        << outcome.message.text;
    ::DeleteFileA(ConnectorListPath);
}

TEST(ConnectorCatalogList, AListWithConnectorsStartsTheWindow) {
    WriteCatalogTestData();
    StartOutcome outcome = startCatalog();
    EXPECT_TRUE(outcome.started);
    EXPECT_TRUE(outcome.windowMade);
    EXPECT_TRUE(outcome.message.caption.empty()) << "a message came: " << outcome.message.text;
    RemoveCatalogTestData();
}
