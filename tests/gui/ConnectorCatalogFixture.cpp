#include "ConnectorCatalogFixture.h"

#include "TestDrawings.h"
#include "drawing/Placement.h"
#include "catalogapp/CatalogFrame.h"
#include "catalogapp/CatalogLayout.h"
#include "datafiles/ConnectorList.h"
#include "framework/Handle.h"

std::string TestConnectorList() {
    return "; test list\r\n"
           "CONNECTOR\t009\tSerial and parallel\tDE-9 (9-pin D-sub)\t001 007 009 036\r\n"
           "CONNECTOR\t011\tSerial and parallel\tDB-25 (25-pin D-sub)\t002 003 049\r\n"
           "CONNECTOR\t029\tDIN and mini-DIN\tMini-DIN 8\t035\r\n"
           "CONNECTOR\t015\tAudio and AV\tRCA (phono)\t000\r\n"
           "PINOUT\t001\tDE-9 RS-232 (PC, DTE)\r\n"
           "PINOUT\t007\tCGA video (DE-9)\r\n"
           "PINOUT\t036\tMac serial (DE-9)\r\n";
}

namespace {
const char* const TestDrawingFiles[] = {"DATA\\PLUG\\PLUG.009", "DATA\\PLUG\\PLUG.011", "DATA\\PINOUTS\\PINOUTS.001",
                                        "DATA\\PINOUTS\\PINOUTS.007", "DATA\\PINOUTS\\PINOUTS.036"};

void square(const char* path, COLORREF colour) {
    WriteRectangleDrawing(path, -SquareHalf, SquareHalf, SquareHalf, -SquareHalf, colour);
}

BOOL CALLBACK collectCatalog(HWND window, LPARAM list) {
    char title[128] = "";
    char className[64] = "";
    ::GetWindowTextA(window, title, sizeof title);
    ::GetClassNameA(window, className, sizeof className);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (std::string(title) == CatalogTitle && std::string(className) == "StrandorFrame" &&
        ::IsWindowVisible(window) && processId != ::GetCurrentProcessId())
        reinterpret_cast<std::vector<CatalogWindow>*>(list)->push_back({window, processId});
    return TRUE;
}
}  // namespace

void WriteCatalogTestData() {
    MakeDataFolders();
    WriteBytes(ConnectorListPath, TestConnectorList());
    square("DATA\\PLUG\\PLUG.009", De9Colour);
    square("DATA\\PLUG\\PLUG.011", Db25Colour);
    square("DATA\\PINOUTS\\PINOUTS.001", RsPinoutColour);
    square("DATA\\PINOUTS\\PINOUTS.007", CgaPinoutColour);
    square("DATA\\PINOUTS\\PINOUTS.036", MacPinoutColour);
    ::DeleteFileA("DATA\\PINOUTS\\PINOUTS.009");
}

void RemoveCatalogTestData() {
    ::DeleteFileA(ConnectorListPath);
    for (const char* path : TestDrawingFiles) ::DeleteFileA(path);
}

void ConnectorCatalogTest::SetUp() {
    ::SetCursorPos(1023, 767);
    WriteCatalogTestData();
    app = new CatalogApp;
    app->showCommand = SW_SHOWNORMAL;
    started = app->InitInstance();
    PumpUntilIdle();
    ASSERT_TRUE(started);
    ASSERT_NE(frame(), nullptr);
}

void ConnectorCatalogTest::TearDown() {
    if (HWND window = frame()) ::DestroyWindow(window);
    PumpUntilIdle(20);
    delete app;
    app = nullptr;
    RemoveCatalogTestData();
}

HWND ConnectorCatalogTest::frame() const {
    return app && app->mainWindow ? app->mainWindow->GetSafeHwnd() : nullptr;
}

std::vector<std::string> ConnectorCatalogTest::rowsOf(int listId) const {
    HWND list = item(listId);
    std::vector<std::string> rows;
    int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        char text[256] = "";
        ::SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

int ConnectorCatalogTest::selectedRow(int listId) const {
    return static_cast<int>(::SendMessageA(item(listId), LB_GETCURSEL, 0, 0));
}

COLORREF ConnectorCatalogTest::colourAtAnchor(int viewId) const {
    RECT client;
    ::GetClientRect(item(viewId), &client);
    Point anchor = PanelAnchor(client.right, client.bottom);
    return Pixels::OfClient(item(viewId)).at(anchor.x, anchor.y);
}

std::vector<CatalogWindow> CatalogWindowsOfOtherProcesses() {
    std::vector<CatalogWindow> windows;
    ::EnumWindows(collectCatalog, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void EndProcessById(DWORD processId) {
    const ScopedHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId));
    if (!process.valid()) return;
    ::TerminateProcess(process.get(), 0);
    ::WaitForSingleObject(process.get(), 5000);
}

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/"));
}

FileAside::FileAside(std::string path) : path(std::move(path)), aside(this->path + ".aside") {
    moved = ::MoveFileExA(this->path.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

FileAside::~FileAside() {
    if (moved) ::MoveFileExA(aside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}
