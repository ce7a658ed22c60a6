#include "GuiHarness.h"
#include "ConnectorCatalogFixture.h"
#include "EditorWindows.h"
#include "TestDrawings.h"

#include <tlhelp32.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "cables/Cable.h"
#include "cables/CableTable.h"
#include "external/CommandLines.h"
#include "external/ExternalPrograms.h"

namespace {
class ExternalProgramTest : public ProgramTest {
protected:
    void SetUp() override {
        ::CreateDirectoryA("DATA", nullptr);
        ::CreateDirectoryA("DATA\\USERNOTE", nullptr);
        WriteBytes("DATA\\USERNOTE\\USERNOTE.000", "");
        ProgramTest::SetUp();
        PressKey(startWindow(), VK_RETURN);
    }
    void TearDown() override {
        for (const EditorWindow& editor : EditorWindows()) EndProcess(editor.processId);
        ProgramTest::TearDown();
    }
};
}  // namespace

TEST(UserNotesCommand, IsTheEditorsNameABlankAndTheUnquotedFile) {
    EXPECT_EQ(UserNotesCommandLine(TableCable(0)), "NOTEPAD.EXE DATA\\USERNOTE\\USERNOTE.000");
    EXPECT_EQ(UserNotesCommandLine(TableCable(57)), "NOTEPAD.EXE DATA\\USERNOTE\\USERNOTE.057");
    char system[MAX_PATH];
    ::GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(EditorPath(), std::string(system) + "\\NOTEPAD.EXE");
}

TEST_F(ExternalProgramTest, F9OpensTheUserNotesOfCableZeroInTheEditorAndTwicePressedTwoEditors) {
    ASSERT_TRUE(EditorWindows().empty());

    ::PostMessageA(mainWindow(), WM_KEYDOWN, VK_F9, 1);
    PumpUntilIdle();
    std::vector<EditorWindow> editors = WaitForEditors(1);
    ASSERT_EQ(editors.size(), 1u) << "no editor window came up";
    EXPECT_NE(editors[0].title.find("USERNOTE.000"), std::string::npos) << editors[0].title;
    EXPECT_NE(editors[0].processId, ::GetCurrentProcessId());

    ::PostMessageA(mainWindow(), WM_COMMAND, 509, 0);
    PumpUntilIdle();
    editors = WaitForEditors(2);
    EXPECT_EQ(editors.size(), 2u) << "a second press starts a second editor";
}

TEST_F(ExternalProgramTest, ANotepadInTheCurrentFolderIsNeverRun) {
    // A program named like the editor in the current folder: if it ran, it would leave a mark.
    ::CopyFileA("C:\\windows\\system32\\cmd.exe", "NOTEPAD.EXE", FALSE);
    ::PostMessageA(mainWindow(), WM_COMMAND, 509, 0);
    PumpUntilIdle();
    std::vector<EditorWindow> editors = WaitForEditors(1);
    EXPECT_EQ(editors.size(), 1u) << "the system's editor ran";
    ::DeleteFileA("NOTEPAD.EXE");
}

namespace {
// Sets the default value of a key under HKEY_CLASSES_ROOT for one scope ("" deletes the key).
class ClassesValue {
public:
    ClassesValue(std::string key, const std::string& value) : key(std::move(key)) {
        char old[512] = "";
        LONG size = sizeof old;
        if (::RegQueryValueA(HKEY_CLASSES_ROOT, this->key.c_str(), old, &size) == ERROR_SUCCESS) previous = old;
        set(value);
    }
    ~ClassesValue() { set(previous); }

private:
    void set(const std::string& value) {
        if (value.empty()) ::RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
        else ::RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
    }
    std::string key, previous;
};

std::string currentFolder() {
    char folder[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}
}  // namespace

TEST_F(ExternalProgramTest, EachOutsideFailureIsToldInOneMessageNamingWhatIsMissing) {
    FileAside noCatalog(ProgramFolder() + "\\CATALOG.EXE");  // the build puts one beside the test program
    ::DeleteFileA("CATALOG.EXE");
    char system[MAX_PATH];
    ::GetSystemDirectoryA(system, MAX_PATH);
    const std::string editor = std::string(system) + "\\NOTEPAD.EXE";
    struct Case {
        const char* what;
        UINT command;
        std::function<std::shared_ptr<void>()> arrange;  // what it holds is undone when it goes
        std::string message;
    };
    const Case cases[] = {
        {"F9, no editor", 509, [&] { return std::make_shared<FileAside>(editor); },
         "Your notes cannot be opened: the text editor " + editor + " is missing."},
        {"F10, no CATALOG.EXE", 510, [] { return nullptr; },
         "The connector catalog cannot be started: CATALOG.EXE is missing."},
        {"manual, no SD_DOC.PDF", 40014, [] { ::DeleteFileA("SD_DOC.PDF"); return nullptr; },
         "The manual cannot be opened: SD_DOC.PDF is missing from " + currentFolder() + "."},
        {"manual, nothing registered for .pdf", 40014,
         [] {
             WriteBytes("SD_DOC.PDF", "%PDF-1.4 a manual");
             return std::make_shared<ClassesValue>(".pdf", "");
         },
         "The manual cannot be opened: no program is registered to open PDF files such as SD_DOC.PDF."},
    };
    for (const Case& c : cases) {
        std::shared_ptr<void> arranged = c.arrange();
        std::vector<DialogInfo> boxes;
        auto answer = [&](HWND box) { boxes.push_back(Describe(box)); PressButton(box, IDOK); };
        DialogWaiter first(answer, 3000);
        ::PostMessageA(mainWindow(), WM_COMMAND, c.command, 0);
        PumpUntilIdle(200);
        DialogWaiter second(answer, 500);  // a second box would come within this
        PumpUntilIdle(200, 1500);
        ASSERT_EQ(boxes.size(), 1u) << c.what << ": one message box";
        EXPECT_EQ(boxes[0].caption, "Strandor!") << c.what;
        EXPECT_EQ(boxes[0].text, c.message) << c.what;
        EXPECT_TRUE(::IsWindowVisible(mainWindow())) << c.what;
        char title[64];
        ::GetWindowTextA(mainWindow(), title, sizeof title);
        EXPECT_STREQ(title, "Strandor!") << c.what << ": the program goes on unchanged";
    }
    ::DeleteFileA("SD_DOC.PDF");
}

TEST_F(ExternalProgramTest, ManualCommandHandsSdDocPdfToTheProgramRegisteredForPdf) {
    const std::string recorder = ProgramFolder() + "\\record_command_line.exe";
    const std::string record = ProgramFolder() + "\\recorded-command-line.txt";
    ::DeleteFileA(record.c_str());
    WriteBytes("SD_DOC.PDF", "%PDF-1.4 a manual");
    ClassesValue type(".pdf", "StrandorTest.Pdf");
    ClassesValue open("StrandorTest.Pdf\\shell\\open\\command", "\"" + recorder + "\" \"%1\"");
    DialogWaiter anyBox([](HWND box) { PressButton(box, IDOK); }, 1500);
    ::PostMessageA(mainWindow(), WM_COMMAND, 40014, 0);
    std::string commandLine;
    for (int i = 0; i < 100 && commandLine.empty(); ++i) {
        PumpUntilIdle(20, 100);
        ::Sleep(50);
        commandLine = ReadBytes(record);
    }
    EXPECT_FALSE(anyBox.seen()) << "a message came: " << anyBox.dialog().text;
    ASSERT_FALSE(commandLine.empty()) << "the program registered for .pdf was not started";
    EXPECT_NE(commandLine.find(recorder), std::string::npos) << commandLine;
    EXPECT_NE(commandLine.find(currentFolder() + "\\SD_DOC.PDF"), std::string::npos) << commandLine;
    ::DeleteFileA(record.c_str());
    ::DeleteFileA("SD_DOC.PDF");
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
