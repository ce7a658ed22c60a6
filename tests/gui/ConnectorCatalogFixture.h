#pragma once
// The connector catalog program run in-process as its WinMain would run it, on a connector list
// and drawings the tests write into the scratch folder; and the catalog program as an outside
// process, as the guide starts it.

#include <windows.h>

#include <string>
#include <vector>

#include "GuiHarness.h"
#include "catalogapp/CatalogApp.h"

// The list the tests use: two D-subs, a mini-DIN and the RCA plug under three group headings.
std::string TestConnectorList();

// The colours of the test drawings; PINOUTS.009 is left out, so DE-9's third pinout is missing.
constexpr COLORREF De9Colour = RGB(255, 0, 0);
constexpr COLORREF Db25Colour = RGB(0, 128, 0);
constexpr COLORREF RsPinoutColour = RGB(0, 0, 255);
constexpr COLORREF CgaPinoutColour = RGB(255, 0, 255);
constexpr COLORREF MacPinoutColour = RGB(0, 255, 255);
// Every test drawing is the square -1000..1000 drawing units around the drawing's (0, 0).
constexpr int SquareHalf = 1000;

void WriteCatalogTestData();
void RemoveCatalogTestData();

class ConnectorCatalogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND frame() const;
    HWND item(int id) const { return ::GetDlgItem(frame(), id); }
    std::vector<std::string> rowsOf(int listId) const;
    int selectedRow(int listId) const;
    // The colour at the drawing's (0, 0) in a drawing view, where the guide's panels put it.
    COLORREF colourAtAnchor(int viewId) const;

    CatalogApp* app = nullptr;
    BOOL started = FALSE;
};

// A visible catalog window of another process.
struct CatalogWindow {
    HWND hwnd = nullptr;
    DWORD processId = 0;
};
std::vector<CatalogWindow> CatalogWindowsOfOtherProcesses();
void EndProcessById(DWORD processId);

// Moves a file out of the way for one scope (the CATALOG.EXE beside the test program, the editor).
class FileAside {
public:
    explicit FileAside(std::string path);
    ~FileAside();
    FileAside(const FileAside&) = delete;
    FileAside& operator=(const FileAside&) = delete;

private:
    std::string path, aside;
    bool moved = false;
};

// The folder of the test program, where the build puts CATALOG.EXE too.
std::string ProgramFolder();
