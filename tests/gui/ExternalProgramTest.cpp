#include "GuiHarness.h"
#include "ConnectorCatalogFixture.h"

#include <tlhelp32.h>

#include <set>
#include <vector>

#include "cables/CableTable.h"
#include "external/CommandLines.h"
#include "external/ExternalPrograms.h"

namespace {
struct EditorWindow {
    HWND hwnd;
    DWORD processId;
    std::string title;
};

BOOL CALLBACK collectEditor(HWND window, LPARAM list) {
    char className[64] = "";
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "Notepad") {
        EditorWindow editor{window, 0, ""};
        ::GetWindowThreadProcessId(window, &editor.processId);
        char title[256] = "";
        ::GetWindowTextA(window, title, sizeof title);
        editor.title = title;
        reinterpret_cast<std::vector<EditorWindow>*>(list)->push_back(editor);
    }
    return TRUE;
}

std::vector<EditorWindow> editorWindows() {
    std::vector<EditorWindow> editors;
    ::EnumWindows(collectEditor, reinterpret_cast<LPARAM>(&editors));
    return editors;
}

// Waits until `count` editor windows are up and have loaded their file (the editor is a process
// of its own and names the file in its title once it has opened it).
std::vector<EditorWindow> waitForEditors(size_t count) {
    for (int i = 0; i < 100; ++i) {
        std::vector<EditorWindow> editors = editorWindows();
        size_t loaded = 0;
        for (const EditorWindow& editor : editors)
            if (editor.title.find("USERNOTE") != std::string::npos) ++loaded;
        if (loaded >= count) return editors;
        PumpUntilIdle(20, 100);
        ::Sleep(50);
    }
    return editorWindows();
}

void endProcess(DWORD id) {
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) return;
    ::TerminateProcess(process, 0);
    ::WaitForSingleObject(process, 5000);
    ::CloseHandle(process);
}

class ExternalProgramTest : public ProgramTest {
protected:
    void SetUp() override {
        ::CreateDirectoryA("DATA", nullptr);
        ::CreateDirectoryA("DATA\\USERNOTE", nullptr);
        HANDLE file = ::CreateFileA("DATA\\USERNOTE\\USERNOTE.000", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(file);
        ProgramTest::SetUp();
        PressKey(startWindow(), VK_RETURN);
    }
    void TearDown() override {
        for (const EditorWindow& editor : editorWindows()) endProcess(editor.processId);
        ProgramTest::TearDown();
    }
};
}  // namespace

TEST(UserNotesCommand, IsTheEditorsNameABlankAndTheUnquotedFile) {
    EXPECT_EQ(UserNotesCommandLine(0), "NOTEPAD.EXE DATA\\USERNOTE\\USERNOTE.000");
    EXPECT_EQ(UserNotesCommandLine(57), "NOTEPAD.EXE DATA\\USERNOTE\\USERNOTE.057");
    char system[MAX_PATH];
    ::GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(EditorPath(), std::string(system) + "\\NOTEPAD.EXE");
}

TEST_F(ExternalProgramTest, F9OpensTheUserNotesOfCableZeroInTheEditorAndTwicePressedTwoEditors) {
    ASSERT_TRUE(editorWindows().empty());

    ::PostMessageA(mainWindow(), WM_KEYDOWN, VK_F9, 1);
    PumpUntilIdle();
    std::vector<EditorWindow> editors = waitForEditors(1);
    ASSERT_EQ(editors.size(), 1u) << "no editor window came up";
    EXPECT_NE(editors[0].title.find("USERNOTE.000"), std::string::npos) << editors[0].title;
    EXPECT_NE(editors[0].processId, ::GetCurrentProcessId());

    ::PostMessageA(mainWindow(), WM_COMMAND, 509, 0);
    PumpUntilIdle();
    editors = waitForEditors(2);
    EXPECT_EQ(editors.size(), 2u) << "a second press starts a second editor";
}

TEST_F(ExternalProgramTest, ANotepadInTheCurrentFolderIsNeverRun) {
    // A program named like the editor in the current folder: if it ran, it would leave a mark.
    ::CopyFileA("C:\\windows\\system32\\cmd.exe", "NOTEPAD.EXE", FALSE);
    ::PostMessageA(mainWindow(), WM_COMMAND, 509, 0);
    PumpUntilIdle();
    std::vector<EditorWindow> editors = waitForEditors(1);
    EXPECT_EQ(editors.size(), 1u) << "the system's editor ran";
    ::DeleteFileA("NOTEPAD.EXE");
}

TEST_F(ExternalProgramTest, CatalogAndManualAbsentGiveNoMessageAndChangeNothing) {
    CatalogProgramAside noCatalog;  // the build puts one beside the test program
    ::DeleteFileA("CATALOG.EXE");
    ::DeleteFileA("SD_DOC.PDF");
    std::string title = "Strandor!";
    DialogWaiter anyDialog([](HWND dialog) { PressButton(dialog, IDOK); }, 1500);
    ::PostMessageA(mainWindow(), WM_KEYDOWN, VK_F10, 1);
    ::PostMessageA(mainWindow(), WM_COMMAND, 40014, 0);
    PumpUntilIdle(200);
    ::Sleep(1000);
    PumpUntilIdle(200);
    EXPECT_FALSE(anyDialog.seen()) << "a message came up: " << anyDialog.dialog().caption;
    EXPECT_TRUE(::IsWindowVisible(mainWindow()));
    char text[64];
    ::GetWindowTextA(mainWindow(), text, sizeof text);
    EXPECT_EQ(text, title);
}

TEST_F(ExternalProgramTest, HelpMenuOffersTheManualBeforeTheAboutItem) {
    HMENU help = ::GetSubMenu(::GetMenu(mainWindow()), 2);
    ASSERT_EQ(::GetMenuItemCount(help), 4);
    EXPECT_TRUE(::GetMenuState(help, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(::GetMenuItemID(help, 2), 40014u);
    char text[64];
    ::GetMenuStringA(help, 2, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Manual");
    EXPECT_EQ(::GetMenuItemID(help, 3), 502u);
}
