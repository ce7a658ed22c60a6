// The user's own cables in DATA\MYCABLES, driven through the real windows: the "My cables" rows,
// picking one, a broken source, a changed one, Ctrl+N, Find, Copy wiring and printing.

#include "EditorWindows.h"
#include "GuiHarness.h"
#include "PrintFixture.h"
#include "TestDrawings.h"

#include <algorithm>

#include "app/MainFrame.h"
#include "cables/CategoryBrowser.h"
#include "drawing/MetafileCheck.h"
#include "resource.h"

namespace {
using Rows = std::vector<std::string>;
constexpr int ListId = 1001;
constexpr const char* Example = "DATA\\MYCABLES\\DE-9 to DB-25 adapter.txt";

std::string programFolder() {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

// The worked example of the manual's chapter on the user's own cables, as a user would type it.
std::string manualExample() {
    std::string path = std::string("Z:") + MANUAL_FILE;
    for (char& c : path)
        if (c == '/') c = '\\';
    const std::string html = ReadBytes(path);
    const std::string open = "<pre id=\"my-cable-example\">";
    const std::size_t start = html.find(open);
    const std::size_t end = html.find("</pre>", start);
    if (start == std::string::npos || end == std::string::npos) return std::string();
    std::string text = html.substr(start + open.size(), end - start - open.size());
    for (const auto& [entity, c] : {std::pair<std::string, std::string>{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;) text.replace(at, entity.size(), c);
    return text;
}

// The rows of a list box (or, with CB_ messages, of a drop-down list) of the dialog.
Rows rowsOf(HWND dialog, int id = ListId, UINT count = LB_GETCOUNT, UINT get = LB_GETTEXT) {
    HWND list = ::GetDlgItem(dialog, id);
    Rows rows;
    for (int row = 0; row < ::SendMessageA(list, count, 0, 0); ++row) {
        char text[256] = "";
        ::SendMessageA(list, get, row, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

void chooseRow(HWND dialog, int row) {
    ::SendMessageA(::GetDlgItem(dialog, ListId), LB_SETCURSEL, row, 0);
    ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

bool samePixels(const Pixels& a, const Pixels& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.at(x, y) != b.at(x, y)) return false;
    return true;
}

// Each shipped drawing the example names gets a rectangle of its own colour, so a swapped one shows.
void writeShippedDrawings() {
    MakeDataFolders();
    WriteRectangleDrawing("DATA\\PLUG\\PLUG.009", -1500, 3000, 1500, -3000, RGB(255, 0, 0));
    WriteRectangleDrawing("DATA\\PLUG\\PLUG.011", -1500, 3000, 1500, -3000, RGB(0, 0, 255));
    WriteRectangleDrawing("DATA\\PINOUTS\\PINOUTS.001", -1000, 2000, 1000, -2000, RGB(0, 160, 0));
    WriteRectangleDrawing("DATA\\PINOUTS\\PINOUTS.002", -1000, 2000, 1000, -2000, RGB(160, 0, 160));
}

// The shipped sources the user's cables name, copied from the program's DATA\SOURCES.
void copyShippedSources() {
    for (const char* folder : {"DATA\\SOURCES", "DATA\\SOURCES\\connectors", "DATA\\SOURCES\\cables"})
        ::CreateDirectoryA(folder, nullptr);
    for (const char* folder : {"connectors", "cables"}) {
        const std::string from = programFolder() + "\\DATA\\SOURCES\\" + folder;
        for (const std::string& file : FilesIn(from))
            ::CopyFileA(file.c_str(), (std::string("DATA\\SOURCES\\") + folder + file.substr(from.size())).c_str(), FALSE);
    }
}

// The example under another name.
std::string renamedExample(const std::string& name) {
    std::string text = manualExample();
    const std::size_t at = text.find("name DE-9 to DB-25 adapter");
    if (at != std::string::npos) text.replace(at, 26, "name " + name);
    return text;
}

// What the tests of the user's cables leave behind goes, so that later tests find the folder as
// a new installation has it.
void removeWrittenFiles() {
    RemoveTree("DATA\\MYCABLES");
    RemoveTree("DATA\\SOURCES");
    for (const char* file : {"DATA\\PLUG\\PLUG.009", "DATA\\PLUG\\PLUG.011", "DATA\\PINOUTS\\PINOUTS.001",
                             "DATA\\PINOUTS\\PINOUTS.002", "DATA\\CABLE\\CABLE.006", "DATA\\MISC\\CABLES.IDX"})
        ::DeleteFileA(file);
}

void writeSource(const std::string& file, const std::string& text) {
    ::CreateDirectoryA("DATA\\MYCABLES", nullptr);
    WriteBytes("DATA\\MYCABLES\\" + file, text);
}
}  // namespace

class MyCablesTest : public ProgramTest {
protected:
    void SetUp() override {
        RemoveTree("DATA\\MYCABLES");
        writeShippedDrawings();
        copyShippedSources();
        ProgramTest::SetUp();
        PressKey(startWindow(), VK_RETURN);
    }
    void TearDown() override {
        for (const EditorWindow& editor : EditorWindows()) EndProcess(editor.processId);
        ProgramTest::TearDown();
        removeWrittenFiles();
    }

    // F5, then `steps` answer the selection dialog and whatever follows it.
    // A dialog the steps do not expect is answered No (or cancelled) and shows in the result.
    std::vector<DialogInfo> select(std::vector<DialogScript::Step> steps) {
        steps.push_back([](HWND box) {
            ::PostMessageA(box, WM_COMMAND, IDNO, 0);
            ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        });
        DialogScript script(std::move(steps), true);
        RunKeyCommand(mainWindow(), VK_F5);
        PumpUntilIdle();
        return script.seen();
    }
    // F5 and the rows of the root, then of "My cables" when the root offers it; cancels.
    std::pair<Rows, Rows> rowsShown() {
        Rows root, mine;
        select({[&](HWND dialog) {
            root = rowsOf(dialog);
            if (!root.empty() && root.back() == "[+] My cables") {
                chooseRow(dialog, static_cast<int>(root.size()) - 1);
                mine = rowsOf(dialog);
                chooseRow(dialog, 0);
            }
            ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }});
        return {root, mine};
    }
    // Picks row `row` of "My cables"; `more` answers what follows.
    std::vector<DialogInfo> pick(int row, std::vector<DialogScript::Step> more = {}) {
        std::vector<DialogScript::Step> steps = {[row](HWND dialog) {
            chooseRow(dialog, static_cast<int>(rowsOf(dialog).size()) - 1);
            chooseRow(dialog, row);
        }};
        steps.insert(steps.end(), more.begin(), more.end());
        return select(steps);
    }
    std::string title() const {
        char text[256] = "";
        ::GetWindowTextA(mainWindow(), text, sizeof text);
        return text;
    }
};

TEST_F(MyCablesTest, TheRootOffersMyCablesOnlyWhileTheFolderHoldsASourceSortedByName) {
    const Rows builtIn = {"[   ] Cables", "[+] Computer", "[+] Audio-Video", "[+] AC Power adapters"};
    EXPECT_EQ(rowsShown().first, builtIn) << "no folder";
    ::CreateDirectoryA("DATA\\MYCABLES", nullptr);
    writeSource("plug-mine.txt", "title Mine\r\n");
    EXPECT_EQ(rowsShown().first, builtIn) << "a folder with a connector drawing only";

    writeSource("b.txt", renamedExample("Adapter Z"));
    writeSource("a.txt", renamedExample("adapter 10"));
    writeSource("c.txt", renamedExample("adapter 9"));
    writeSource("broken.txt", "connector start 9\r\n");
    const auto [root, mine] = rowsShown();
    Rows withMine = builtIn;
    withMine.push_back("[+] My cables");
    EXPECT_EQ(root, withMine);
    EXPECT_EQ(mine, (Rows{"[ - ] My cables", "      adapter 9", "      adapter 10", "      Adapter Z",
                          "      broken.txt (error)"}));
    EXPECT_EQ(view().browseNode, 0) << "back at the root";

    for (const char* file : {"a.txt", "b.txt", "c.txt", "broken.txt", "plug-mine.txt"})
        ::DeleteFileA((std::string("DATA\\MYCABLES\\") + file).c_str());
    EXPECT_EQ(rowsShown().first, builtIn) << "the last source gone, the row goes too";
}

TEST_F(MyCablesTest, TheManualsExampleIsShownAsTheTableShowsItsCables) {
    const std::string example = manualExample();
    ASSERT_NE(example.find("name DE-9 to DB-25 adapter"), std::string::npos) << "no example in " << MANUAL_FILE;
    // The table's cable 52 has the same two connectors: its panels are what the example must show.
    frame().ShowCable(52);
    PumpUntilIdle();
    const Pixels start52 = Pixels::OfClient(view().startPanel.GetSafeHwnd());
    const Pixels end52 = Pixels::OfClient(view().endPanel.GetSafeHwnd());
    frame().ShowCable(0);

    writeSource("DE-9 to DB-25 adapter.txt", example);
    EXPECT_FALSE(pick(1).empty()) << "the selection dialog opened";
    EXPECT_EQ(title(), "Strandor! [ DE-9 to DB-25 adapter ]");
    EXPECT_EQ(view().shownCable.origin.tableRow, 0);
    EXPECT_EQ(view().shownCable.origin.myFile, "DE-9 to DB-25 adapter.txt");
    EXPECT_EQ(view().browseNode, MyCablesNode);
    EXPECT_TRUE(samePixels(Pixels::OfClient(view().startPanel.GetSafeHwnd()), start52)) << "start connector";
    EXPECT_TRUE(samePixels(Pixels::OfClient(view().endPanel.GetSafeHwnd()), end52)) << "end connector";
    EXPECT_EQ(view().startPanel.secondPath, "DATA\\PINOUTS\\PINOUTS.001");
    EXPECT_EQ(view().endPanel.secondPath, "DATA\\PINOUTS\\PINOUTS.002");

    // The diagram and the notes are compiled into the cache and pass the check every drawing passes.
    for (const std::string& path : Rows{view().diagramPanel.firstPath, view().shownCable.notes}) {
        EXPECT_EQ(path.rfind("DATA\\MYCABLES\\CACHE\\", 0), 0u) << path;
        EXPECT_TRUE(IsPlayableMetafile(path.c_str())) << path;
    }
    const Pixels diagram = Pixels::OfClient(view().diagramPanel.GetSafeHwnd());
    EXPECT_GT(diagram.countOf(RGB(0, 0, 0), {0, 0, diagram.width(), diagram.height()}), 200) << "a drawn diagram";

    // F6 turns the start connector into its pinouts, as for any cable.
    PressKey(mainWindow(), VK_F6);
    const Pixels pinouts = Pixels::OfClient(view().startPanel.GetSafeHwnd());
    EXPECT_GT(pinouts.countOf(RGB(0, 160, 0), {0, 0, pinouts.width(), pinouts.height()}), 100);
    PressKey(mainWindow(), VK_F6);
}

TEST_F(MyCablesTest, ABrokenSourceIsNamedWithItsLineOnceAndKeepsTheLastGoodDrawings) {
    writeSource("adapter.txt", manualExample());
    pick(1);
    ASSERT_EQ(view().shownCable.origin.myFile, "adapter.txt");
    const std::string endPlug = view().endPanel.firstPath;

    // Saved broken while shown: the third head line names no drawing.
    std::string broken = manualExample();
    broken.replace(broken.find("connector end 11"), 16, "connector end 1x");
    writeSource("adapter.txt", broken);
    DialogScript answers({[](HWND box) { PressButton(box, IDNO); }});
    ::SendMessageA(mainWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
    PumpUntilIdle(150);
    ASSERT_EQ(answers.seen().size(), 1u) << "one message";
    EXPECT_EQ(answers.seen()[0].caption, "Strandor!");
    EXPECT_EQ(answers.seen()[0].text.rfind("adapter.txt, line 3: ", 0), 0u) << answers.seen()[0].text;
    EXPECT_NE(answers.seen()[0].text.find("Open it in the text editor?"), std::string::npos);
    EXPECT_EQ(view().endPanel.firstPath, endPlug) << "the last good drawings stay";
    EXPECT_TRUE(EditorWindows().empty()) << "No opens no editor";

    // Activated again with nothing changed: no second message.
    DialogScript none({[](HWND box) { PressButton(box, IDNO); }});
    ::SendMessageA(mainWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
    PumpUntilIdle(150);
    EXPECT_TRUE(none.seen().empty());

    // Picking it lists it with " (error)", says it again and offers the editor: Yes opens it.
    Rows mine;
    const std::vector<DialogInfo> seen = select({[&](HWND dialog) {
                                                     chooseRow(dialog, 4);
                                                     mine = rowsOf(dialog);
                                                     chooseRow(dialog, 1);
                                                 },
                                                 [](HWND box) { PressButton(box, IDYES); }});
    EXPECT_EQ(mine, (Rows{"[ - ] My cables", "      adapter.txt (error)"}));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text.rfind("adapter.txt, line 3: ", 0), 0u) << seen[1].text;
    const std::vector<EditorWindow> editors = WaitForEditors(1, "adapter");
    EXPECT_EQ(editors.size(), 1u) << "the editor with the source";
}

TEST_F(MyCablesTest, AChangedSourceIsRepaintedWhenTheWindowIsActiveAgain) {
    writeSource("adapter.txt", manualExample());
    pick(1);
    const Pixels before = Pixels::OfClient(view().endPanel.GetSafeHwnd());
    const RECT all = {0, 0, before.width(), before.height()};
    EXPECT_GT(before.countOf(RGB(0, 0, 255), all), 100) << "the DB-25 drawing at the end";

    writeSource("adapter.txt", renamedExample("DE-9 to DB-25 adapter, second"));
    ::SendMessageA(mainWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
    PumpUntilIdle(150);
    EXPECT_EQ(title(), "Strandor! [ DE-9 to DB-25 adapter, second ]");

    ::DeleteFileA("DATA\\MYCABLES\\adapter.txt");
    ::SendMessageA(mainWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
    PumpUntilIdle(150);
    EXPECT_EQ(title(), "Strandor! [ No cable ]") << "its source deleted, the cable goes";
    EXPECT_TRUE(view().shownCable.origin.myFile.empty());
}

TEST_F(MyCablesTest, CtrlNWritesACopyOfTheCurrentCableThatDrawsItsDiagram) {
    ::CopyFileA((programFolder() + "\\DATA\\CABLE\\CABLE.006").c_str(), "DATA\\CABLE\\CABLE.006", FALSE);
    frame().ShowCable(6);
    const Pixels shipped = Pixels::OfClient(view().diagramPanel.GetSafeHwnd());
    ::PostMessageA(mainWindow(), WM_COMMAND, ID_NEW_CABLE, 0);
    PumpUntilIdle(150);
    const std::string bytes = ReadBytes("DATA\\MYCABLES\\nullmodem, DB9-DB9 - copy.txt");
    EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF", 0), 0u) << "written as UTF-8 with a byte order mark";
    const std::string written = bytes.substr(std::min<std::size_t>(3, bytes.size()));
    EXPECT_EQ(written.rfind("# Made from \"nullmodem, DB9-DB9\"", 0), 0u) << written;
    EXPECT_NE(written.find("\nconnector start 9\r\nconnector end 9\r\npinouts start 1\r\npinouts end 1\r\n"),
              std::string::npos);
    EXPECT_NE(written.find(ReadBytes("DATA\\SOURCES\\cables\\cable-006.txt").substr(0, 40)), std::string::npos)
        << "the shipped source follows the head";
    EXPECT_EQ(title(), "Strandor! [ nullmodem, DB9-DB9 - copy ]");
    EXPECT_TRUE(samePixels(Pixels::OfClient(view().diagramPanel.GetSafeHwnd()), shipped))
        << "the copy draws cable 6's diagram";
    EXPECT_EQ(WaitForEditors(1, "copy").size(), 1u) << "opened in the editor";

    ::PostMessageA(mainWindow(), WM_COMMAND, ID_NEW_CABLE, 0);
    PumpUntilIdle(150);
    EXPECT_EQ(title(), "Strandor! [ nullmodem, DB9-DB9 - copy - copy ]") << "a copy of the user's copy";
    EXPECT_FALSE(ReadBytes("DATA\\MYCABLES\\nullmodem, DB9-DB9 - copy - copy.txt").empty());

    frame().ShowCable(0);
    ::PostMessageA(mainWindow(), WM_COMMAND, ID_NEW_CABLE, 0);
    PumpUntilIdle(150);
    EXPECT_NE(ReadBytes("DATA\\MYCABLES\\My cable.txt").find("\nname My cable\r\n"), std::string::npos)
        << "cable 0 gives the skeleton";
    WaitForEditors(3, "");  // each opened in an editor of its own, ended with the test
}

TEST_F(MyCablesTest, TheExampleIsFoundAndCopiedAndItsSourceIsEditable) {
    ::CopyFileA((programFolder() + "\\DATA\\MISC\\CABLES.IDX").c_str(), "DATA\\MISC\\CABLES.IDX", FALSE);
    writeSource("DE-9 to DB-25 adapter.txt", manualExample() + "gauge 0.25 mm2\n");
    HMENU menu = ::GetMenu(mainWindow());
    auto grey = [&](UINT id) {
        ::SendMessageA(mainWindow(), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
        return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    frame().ShowCable(6);
    EXPECT_TRUE(grey(ID_EDIT_CABLE)) << "Edit this cable is grey for the table's cables";

    // Ctrl+F: the words find it, under its own name; its DB-25 male end is among the choices.
    Rows found, ends;
    DialogScript script({[&](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_FIND_WORDS, "adapter rxd");
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FIND_WORDS, EN_CHANGE), 0);
        PumpUntilIdle(30);
        found = rowsOf(dialog, IDC_FIND_LIST);
        ends = rowsOf(dialog, IDC_FIND_END, CB_GETCOUNT, CB_GETLBTEXT);
        const auto at = std::find(found.begin(), found.end(), "DE-9 to DB-25 adapter");
        ::SendDlgItemMessageA(dialog, IDC_FIND_LIST, LB_SETCURSEL, at - found.begin(), 0);
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    }});
    ::PostMessageA(mainWindow(), WM_COMMAND, ID_FIND_CABLE, 0);
    PumpUntilIdle(150);
    EXPECT_NE(std::find(found.begin(), found.end(), "DE-9 to DB-25 adapter"), found.end());
    EXPECT_NE(std::find(ends.begin(), ends.end(), "DB-25 male"), ends.end());
    EXPECT_EQ(title(), "Strandor! [ DE-9 to DB-25 adapter ]");
    EXPECT_EQ(view().browseNode, MyCablesNode) << "F5 opens next where it is listed";
    EXPECT_FALSE(grey(ID_EDIT_CABLE));

    // Ctrl+C: its wiring, as the continuity list names the contacts.
    ::PostMessageA(mainWindow(), WM_COMMAND, ID_COPY_WIRING, 0);
    PumpUntilIdle();
    EXPECT_EQ(view().StatusText, "Wiring of DE-9 to DB-25 adapter copied");
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE data = ::GetClipboardData(CF_TEXT);
    const char* text = data ? static_cast<const char*>(::GlobalLock(data)) : nullptr;
    const std::string copied = text ? text : "";
    if (text) ::GlobalUnlock(data);
    HANDLE wideData = ::GetClipboardData(CF_UNICODETEXT);
    const wchar_t* wide = wideData ? static_cast<const wchar_t*>(::GlobalLock(wideData)) : nullptr;
    const std::wstring copiedWide = wide ? wide : L"";
    if (wide) ::GlobalUnlock(wideData);
    ::CloseClipboard();
    for (const char* wire : {"S3 TxD -> E2 TxD", "S4 DTR -> E20 DTR", "S9 RI -> E22 RI"})
        EXPECT_NE(copied.find(wire), std::string::npos) << wire << " in " << copied;
    EXPECT_NE(copied.find("0.25 mm\xB2 (about 23 AWG)"), std::string::npos) << copied;
    EXPECT_NE(copiedWide.find(L"0.25 mm\u00B2 (about 23 AWG)"), std::wstring::npos) << "Unicode text, whatever the code page";

    ::PostMessageA(mainWindow(), WM_COMMAND, ID_EDIT_CABLE, 0);
    PumpUntilIdle();
    EXPECT_EQ(WaitForEditors(1, "adapter").size(), 1u) << "Edit this cable opens its source";
}

class MyCablePrintTest : public PrintTest {
protected:
    void TearDown() override {
        PrintTest::TearDown();
        removeWrittenFiles();
    }
};

TEST_F(MyCablePrintTest, TheSheetOfAUserCableCarriesItsNameAndNotes) {
    writeShippedDrawings();
    copyShippedSources();
    writeSource("adapter.txt", manualExample());
    WriteBytes("DATA\\MYCABLES\\adapter.notes", "Hood screws from the spares box");
    WindowsFolder files;
    MyCableShelf shelf(files);
    shelf.Refresh();
    ASSERT_EQ(shelf.Cables().size(), 1u);
    ASSERT_TRUE(shelf.Cables()[0].drawable) << shelf.Cables()[0].errorText();
    frame().ShowCable(shelf.Cables()[0].cable);

    std::vector<std::string> pdfs = print(IDC_PRINT_CURRENT);
    ASSERT_EQ(pdfs.size(), 1u) << "one document for the current cable";
    PrintedPage page = ReadPrintedPage(pdfs[0]);
    EXPECT_EQ(page.lineAt(15, 8), "DE-9 to DB-25 adapter");
    EXPECT_NE(page.find("spares"), nullptr) << "the user's notes from beside the source";
}
