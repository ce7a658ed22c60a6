// A printer that refuses documents, and user notes that exist but cannot be read.

#include <string>

#include "PrintFixture.h"
#include "print/CableSheet.h"
#include "cables/CableTable.h"
#include "framework/File.h"
#include "framework/GdiObjects.h"
#include "resource.h"

namespace {
struct BoxSeen {
    std::string caption, text;
    HWND owner;
    HICON icon;
};

DialogScript::Step answerBox(std::vector<BoxSeen>& boxes) {
    return [&boxes](HWND box) {
        boxes.push_back({Describe(box).caption, Describe(box).text, ::GetWindow(box, GW_OWNER), MessageBoxIcon(box)});
        PressButton(box, IDOK);
    };
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

using PrintFailureTest = PrintTest;

TEST_F(PrintFailureTest, RefusedDocumentIsReportedOncePerSheet) {
    SpoolFolderBlocked spool;
    ASSERT_TRUE(spool.active()) << "could not put a file in place of the spool folder";
    long gdiBefore = LiveGdiObjects();

    std::vector<BoxSeen> boxes;
    {
        DialogScript script({ChooseOption(IDC_PRINT_ALL), PressOk(), answerBox(boxes)}, true);
        pressF3();
    }
    EXPECT_EQ(boxes.size(), 77u) << "one message per cable in use: the loop goes on after a refusal";
    for (const BoxSeen& box : boxes) {
        EXPECT_EQ(box.caption, "Strandor!");
        EXPECT_EQ(box.text, "Problems with printing...");
        EXPECT_EQ(box.owner, mainWindow());
        EXPECT_EQ(box.icon, StopIcon());
        if (::testing::Test::HasFailure()) break;
    }

    boxes.clear();
    {
        DialogScript script({ChooseOption(IDC_PRINT_LIST), PressOk(), answerBox(boxes)}, true);
        pressF3();
    }
    ASSERT_EQ(boxes.size(), 1u) << "the cable list reports its refused document once";
    EXPECT_EQ(boxes[0].text, "Problems with printing...");

    EXPECT_EQ(LiveGdiObjects(), gdiBefore);
    EXPECT_TRUE(WaitForEmptyQueue(5000));
    EXPECT_EQ(NewFiles(pdfsBefore, PdfFiles()).size(), 0u) << "nothing printed";
}

TEST_F(PrintFailureTest, NotesFileHeldOpenEndsThePrintingCleanly) {
    WriteDataFile("DATA\\USERNOTE\\USERNOTE.001", "first cable");
    RemoveDataFile("DATA\\USERNOTE\\USERNOTE.002");
    WriteDataFile("DATA\\USERNOTE\\USERNOTE.003", "held by another program");
    HeldOpen other("DATA\\USERNOTE\\USERNOTE.003");
    ASSERT_TRUE(other.held());
    long gdiBefore = LiveGdiObjects();

    std::vector<BoxSeen> boxes;
    std::vector<std::string> pdfs = print(IDC_PRINT_ALL, {answerBox(boxes)});
    ASSERT_EQ(boxes.size(), 1u) << "one message, then the command ends";
    EXPECT_EQ(boxes[0].caption, "Strandor!");
    EXPECT_TRUE(contains(boxes[0].text, "DATA\\USERNOTE\\USERNOTE.003")) << boxes[0].text;
    EXPECT_TRUE(contains(boxes[0].text, CFileException::describe(ERROR_SHARING_VIOLATION))) << boxes[0].text;
    EXPECT_EQ(boxes[0].owner, mainWindow());
    EXPECT_EQ(boxes[0].icon, StopIcon());
    EXPECT_EQ(LiveGdiObjects(), gdiBefore) << "fonts, pen, brush or the printer DC left alive";

    EXPECT_EQ(QueuedJobs(), "") << "no half-finished job in the queue";
    ASSERT_EQ(pdfs.size(), 2u) << "the sheets before the failing one, and no part of it";
    EXPECT_EQ(ReadPrintedPage(pdfs[0]).lineAt(15, 8), Catalog.cables[1].name);
    EXPECT_EQ(ReadPrintedPage(pdfs[1]).lineAt(15, 8), Catalog.cables[2].name);

    // Once the file is free again, printing works as before.
    other.release();
    pdfsBefore = PdfFiles();
    frame().ShowCable(3);
    std::vector<std::string> again = print(IDC_PRINT_CURRENT);
    ASSERT_EQ(again.size(), 1u);
    PrintedPage page = ReadPrintedPage(again[0]);
    EXPECT_EQ(page.lineAt(15, 8), Catalog.cables[3].name);
    EXPECT_EQ(page.lineAt(149, 3), "held by another program");
}

TEST_F(PrintFailureTest, NotesFolderInPlaceOfTheFileEndsTheSheet) {
    RemoveDataFile("DATA\\USERNOTE\\USERNOTE.008");
    WriteDataFile("DATA\\USERNOTE\\USERNOTE.008\\inside", "a folder of the notes file's name");
    struct FolderGone {
        ~FolderGone() {
            ::DeleteFileA("DATA\\USERNOTE\\USERNOTE.008\\inside");
            ::RemoveDirectoryA("DATA\\USERNOTE\\USERNOTE.008");
        }
    } folderGone;
    frame().ShowCable(8);
    long gdiBefore = LiveGdiObjects();

    std::vector<BoxSeen> boxes;
    std::vector<std::string> pdfs = print(IDC_PRINT_CURRENT, {answerBox(boxes)});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(contains(boxes[0].text, "DATA\\USERNOTE\\USERNOTE.008")) << boxes[0].text;
    EXPECT_TRUE(contains(boxes[0].text, CFileException::describe(ERROR_ACCESS_DENIED))) << boxes[0].text;
    EXPECT_EQ(boxes[0].icon, StopIcon());
    EXPECT_EQ(LiveGdiObjects(), gdiBefore);
    EXPECT_EQ(QueuedJobs(), "");
    EXPECT_EQ(pdfs.size(), 0u) << "the sheet is not printed";
}

TEST_F(PrintFailureTest, SheetWithUnreadableNotesReleasesItsObjectsAndSendsNothing) {
    WriteDataFile("DATA\\USERNOTE\\USERNOTE.003", "notes of cable 3");
    long gdiBefore = LiveGdiObjects();
    CDC printer;
    ASSERT_TRUE(printer.Attach(::CreateDCA("WINSPOOL", "PDF", nullptr, nullptr)));
    const CableRecord& cable = Catalog.cables[3];
    std::vector<BoxSeen> boxes;
    {
        DialogScript answer({answerBox(boxes)}, true);
        HeldOpen other("DATA\\USERNOTE\\USERNOTE.003");
        ASSERT_TRUE(other.held());
        EXPECT_THROW(PrintCableSheet(nullptr, cable.name, cable.startPlug, cable.endPlug, cable.startPinouts,
                                     cable.endPinouts, 3, printer),
                     CFileException)
            << "the error leaves the sheet for the command to report";
        EXPECT_EQ(LiveGdiObjects(), gdiBefore + 1) << "only the printer DC is left alive";
        // Wine's PostScript driver ignores AbortDoc: the document stays open on this DC until the DC
        // goes, so the command never prints on it again.
        printer.DeleteDC();
    }
    EXPECT_TRUE(boxes.empty()) << "the sheet itself shows no message: \"" << boxes.front().text << "\"";
    EXPECT_EQ(LiveGdiObjects(), gdiBefore);
    PumpUntilIdle();
    EXPECT_TRUE(WaitForEmptyQueue(5000));
    EXPECT_EQ(NewFiles(pdfsBefore, PdfFiles()).size(), 0u) << "no part of the sheet reaches the queue";
}
