// The program in awkward surroundings: a read-only current folder, DATA below a path with spaces
// and letters beyond ASCII, a notes file that is read-only or held open by another program, no
// USERNOTE folder. Nothing crashes, no file changes, and every refusal names the file.

#include <functional>
#include <map>
#include <memory>

#include "PrintFixture.h"
#include "TestDrawings.h"
#include "app/MainFrame.h"
#include "framework/Handle.h"
#include "resource.h"

namespace {
// Every file below the folder with its bytes, and its folders (as "").
std::map<std::string, std::string> below(const std::string& folder, std::map<std::string, std::string> found = {}) {
    WIN32_FIND_DATAA entry;
    const FindHandle search(::FindFirstFileA((folder + "\\*").c_str(), &entry));
    for (bool more = search.valid(); more; more = ::FindNextFileA(search.get(), &entry)) {
        const std::string name = entry.cFileName, path = folder + "\\" + name;
        if (name == "." || name == "..") continue;
        bool isFolder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        found[path] = isFolder ? "" : ReadBytes(path);
        if (isFolder) found = below(path, found);
    }
    return found;
}

void setReadOnly(const std::string& folder, bool readOnly) {
    for (const auto& entry : below(folder))
        ::SetFileAttributesA(entry.first.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
    ::SetFileAttributesA(folder.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

void removeTree(const std::string& folder) {
    std::map<std::string, std::string> entries = below(folder);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)  // files before their folders
        ::DeleteFileA(entry->first.c_str()) || ::RemoveDirectoryA(entry->first.c_str());
    ::RemoveDirectoryA(folder.c_str());
}
}  // namespace

using SurroundingsTest = PrintTest;

TEST_F(SurroundingsTest, AwkwardFoldersAndNotesFilesLoseNothingAndEveryRefusalNamesTheFile) {
    char scratch[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, scratch);
    struct BackHome {
        const char* folder;
        ~BackHome() { ::SetCurrentDirectoryA(folder); }
    } backHome{scratch};
    const std::string notesFile = "DATA\\USERNOTE\\USERNOTE.000";
    std::string folder;
    using Undo = std::shared_ptr<void>;  // undoes what the case arranged when it goes
    struct Surrounding {
        const char* folder;  // the program's current folder, below the scratch folder
        std::function<Undo()> arrange;
        bool notesPrinted, refused;  // refused: printing ends with one message naming the notes file
    };
    const Surrounding cases[] = {
        {"Read-only folder",
         [&] {
             setReadOnly(folder, true);
             return Undo(nullptr, [&](void*) { setReadOnly(folder, false); });
         },
         true, false},
        {"Kabel f\xFCr Drucker \xC4\xD6 \xE9t\xE9", [] { return nullptr; }, true, false},
        {"Read-only notes",
         [&] {
             setReadOnly(folder + "\\" + notesFile, true);
             return Undo(nullptr, [&](void*) { setReadOnly(folder, false); });
         },
         true, false},
        {"Notes held open", [&] { return std::make_shared<HeldOpen>(notesFile); }, false, true},
        {"No USERNOTE", [&] { removeTree("DATA\\USERNOTE"); return nullptr; }, false, false},
    };
    for (const Surrounding& c : cases) {
        folder = std::string(scratch) + "\\" + c.folder;
        ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr) && ::SetCurrentDirectoryA(folder.c_str())) << c.folder;
        MakeDataFolders();
        WriteRectangleDrawing("DATA\\CABLE\\CABLE.000", -2000, 2000, 2000, -2000, RGB(255, 0, 0));
        const std::string notes = std::string("notes kept in ") + c.folder;
        WriteBytes(notesFile, notes);
        {
            Undo arranged = c.arrange();
            const std::map<std::string, std::string> before = below(folder);
            ::RedrawWindow(view().diagramPanel.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_GT(Pixels::OfClient(view().diagramPanel.GetSafeHwnd()).countOf(RGB(255, 0, 0), RECT{0, 0, 400, 600}), 100)
                << c.folder << ": the panel shows no drawing";

            std::vector<DialogInfo> boxes;
            auto answer = [&](HWND box) { boxes.push_back(Describe(box)); PressButton(box, IDOK); };
            DialogWaiter manual(answer);
            ::PostMessageA(mainWindow(), WM_COMMAND, ID_MANUAL, 0);
            PumpUntilIdle(150);
            ASSERT_EQ(boxes.size(), 1u) << c.folder;
            EXPECT_EQ(boxes[0].text, "The manual cannot be opened: SD_DOC.PDF is missing from " + folder + ".");

            pdfsBefore = PdfFiles();
            boxes.clear();
            std::vector<std::string> pdfs = print(IDC_PRINT_CURRENT, c.refused ? std::vector<DialogScript::Step>{answer}
                                                                               : std::vector<DialogScript::Step>{});
            if (c.refused) {
                ASSERT_EQ(boxes.size(), 1u) << c.folder;
                EXPECT_NE(boxes[0].text.find(notesFile), std::string::npos) << boxes[0].text;
                EXPECT_EQ(pdfs.size(), 0u) << c.folder;
            } else {
                ASSERT_EQ(pdfs.size(), 1u) << c.folder;
                EXPECT_EQ(ReadPrintedPage(pdfs[0]).lineAt(149, 3), c.notesPrinted ? Utf8(notes) : "") << c.folder;
            }
            EXPECT_EQ(below(folder), before) << c.folder << ": a file changed, came or went";
        }
        ::SetCurrentDirectoryA(scratch);
        removeTree(folder);
    }
}
