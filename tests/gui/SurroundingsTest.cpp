// The program in awkward surroundings: a read-only current folder, DATA below a path with spaces
// and letters beyond ASCII, a notes file that is read-only or held open by another program, no
// USERNOTE folder at all. Nothing crashes, no file changes, and every refusal names the file.

#include <functional>
#include <map>
#include <string>

#include "PrintFixture.h"
#include "TestDrawings.h"
#include "drawing/DrawingPanel.h"
#include "resource.h"

namespace {
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

// Every file below the folder with its bytes: what "nothing lost" compares.
void collect(const std::string& folder, std::map<std::string, std::string>& files) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) collect(folder + "\\" + name, files);
        else files[folder + "\\" + name] = ReadBytes(folder + "\\" + name);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

std::map<std::string, std::string> filesBelow(const std::string& folder) {
    std::map<std::string, std::string> files;
    collect(folder, files);
    return files;
}

void setReadOnly(const std::string& folder, bool readOnly) {
    const DWORD attributes = readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL;
    for (const auto& [path, bytes] : filesBelow(folder)) ::SetFileAttributesA(path.c_str(), attributes);
    for (const char* sub : {"\\DATA\\CABLE", "\\DATA\\NOTES", "\\DATA\\USERNOTE", "\\DATA", ""})
        ::SetFileAttributesA((folder + sub).c_str(), attributes);
}

void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName, path = folder + "\\" + name;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(path);
            else ::DeleteFileA(path.c_str());
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(folder.c_str());
}

std::string currentFolder() {
    char folder[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

class SurroundingsTest : public PrintTest {
protected:
    void TearDown() override {
        ::SetCurrentDirectoryA(scratch.c_str());
        PrintTest::TearDown();
    }
    std::string scratch = currentFolder();
};
}  // namespace

TEST_F(SurroundingsTest, AwkwardFoldersAndNotesFilesLoseNothingAndEveryRefusalNamesTheFile) {
    const std::string notesFile = "DATA\\USERNOTE\\USERNOTE.000";
    struct Surrounding {
        const char* what;
        const char* folder;                      // the program's current folder, below the scratch folder
        std::function<std::shared_ptr<void>()> arrange;  // run in that folder; what it holds is undone when it goes
        bool notesPrinted;                       // else the sheet has no notes or is refused
        bool refused;                            // printing ends with one message naming the notes file
    };
    std::string folder;
    const Surrounding cases[] = {
        {"read-only folder", "Read-only folder",
         [&] {
             setReadOnly(folder, true);
             return std::shared_ptr<void>(nullptr, [&](void*) { setReadOnly(folder, false); });
         },
         true, false},
        {"spaces and letters beyond ASCII", "Kabel f\xFCr Drucker \xC4\xD6 \xE9t\xE9", [] { return nullptr; }, true,
         false},
        {"read-only notes file", "Read-only notes",
         [&] {
             ::SetFileAttributesA(notesFile.c_str(), FILE_ATTRIBUTE_READONLY);
             return std::shared_ptr<void>(nullptr, [&](void*) {
                 ::SetFileAttributesA((folder + "\\" + notesFile).c_str(), FILE_ATTRIBUTE_NORMAL);
             });
         },
         true, false},
        {"notes held open by another program", "Held notes",
         [&] { return std::make_shared<HeldOpen>(notesFile); }, false, true},
        {"no USERNOTE folder", "No USERNOTE",
         [&] {
             ::DeleteFileA(notesFile.c_str());
             ::RemoveDirectoryA("DATA\\USERNOTE");
             return nullptr;
         },
         false, false},
    };
    for (const Surrounding& c : cases) {
        folder = scratch + "\\" + c.folder;
        removeTree(folder);
        ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr)) << c.what;
        ASSERT_TRUE(::SetCurrentDirectoryA(folder.c_str())) << c.what;
        MakeDataFolders();
        WriteRectangleDrawing("DATA\\CABLE\\CABLE.000", -2000, 2000, 2000, -2000, Red);
        WriteRectangleDrawing("DATA\\NOTES\\NOTES.000", -2000, 2000, 2000, -2000, Blue);
        const std::string notes = std::string("notes kept in ") + c.folder;
        WriteBytes(notesFile, notes);
        std::map<std::string, std::string> before;
        {
            std::shared_ptr<void> arranged = c.arrange();
            before = filesBelow(folder);

            ::RedrawWindow(diagramPanel.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_GT(Pixels::OfClient(diagramPanel.GetSafeHwnd()).countOf(Red, RECT{0, 0, 400, 600}), 100)
                << c.what << ": the panel shows no drawing";

            int blue = 0;
            DialogWaiter notesDialog([&](HWND dialog) {
                blue = Pixels::OfClient(dialog).countOf(Blue, RECT{0, 0, 800, 600});
                PressButton(dialog, IDOK);
            });
            ::PostMessageA(mainWindow(), WM_COMMAND, ID_CABLE_NOTES, 0);
            PumpUntilIdle(100);
            EXPECT_GT(blue, 100) << c.what << ": the notes dialog shows no drawing";

            std::vector<DialogInfo> boxes;
            DialogWaiter manual([&](HWND box) { boxes.push_back(Describe(box)); PressButton(box, IDOK); });
            ::PostMessageA(mainWindow(), WM_COMMAND, ID_MANUAL, 0);
            PumpUntilIdle(150);
            ASSERT_EQ(boxes.size(), 1u) << c.what;
            EXPECT_EQ(boxes[0].text, "The manual cannot be opened: SD_DOC.PDF is missing from " + folder + ".")
                << c.what;

            pdfsBefore = PdfFiles();
            boxes.clear();
            std::vector<DialogScript::Step> refusal;
            if (c.refused) refusal.push_back([&](HWND box) { boxes.push_back(Describe(box)); PressButton(box, IDOK); });
            std::vector<std::string> pdfs = print(IDC_PRINT_CURRENT, refusal);
            if (c.refused) {
                ASSERT_EQ(boxes.size(), 1u) << c.what;
                EXPECT_NE(boxes[0].text.find(notesFile), std::string::npos) << c.what << ": " << boxes[0].text;
                EXPECT_EQ(pdfs.size(), 0u) << c.what;
            } else {
                ASSERT_EQ(pdfs.size(), 1u) << c.what;
                EXPECT_EQ(ReadPrintedPage(pdfs[0]).lineAt(149, 3), c.notesPrinted ? Utf8(notes) : "") << c.what;
            }
            EXPECT_TRUE(::IsWindowVisible(mainWindow())) << c.what;
            EXPECT_EQ(filesBelow(folder), before) << c.what << ": a file changed, came or went";
        }
        ::SetCurrentDirectoryA(scratch.c_str());
        removeTree(folder);
    }
}
