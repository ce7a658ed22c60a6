// Printing the connector shown: F3 asks the system printer dialog; cancelling it says so, OK prints
// one page to the PDF queue, which is read back here; a printer that refuses the document is
// reported once and nothing is printed.

#include <memory>
#include <string>
#include <vector>

#include "ConnectorCatalogFixture.h"
#include "PrintFixture.h"
#include "framework/GdiObjects.h"
#include "resource.h"

TEST_F(ConnectorCatalogTest, F3AsksForThePrinterAndCancellingItSaysPrintingCanceled) {
    std::vector<DialogInfo> seen;
    std::unique_ptr<DialogWaiter> second;
    DialogWaiter first([&](HWND dialog) {
        seen.push_back(Describe(dialog));
        second = std::make_unique<DialogWaiter>([&](HWND box) {
            seen.push_back(Describe(box));
            PressButton(box, IDOK);
        });
        PressButton(dialog, IDCANCEL);
    });
    PressKey(item(IDC_CATALOG_CONNECTORS), VK_F3);
    for (int i = 0; i < 100 && seen.size() < 2; ++i) PumpUntilIdle(20, 200);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, "Print") << "the system printer dialog";
    EXPECT_EQ(seen[1].caption, "Strandor! connector catalog");
    EXPECT_EQ(seen[1].text, "Printing canceled");
    EXPECT_TRUE(::IsWindow(frame())) << "the program goes on";
}

namespace {
// Where the page puts a drawing's (0, 0), in mm from the top-left corner of the printable area,
// and the black rectangle the test file holds there: `width` right and `height` down from it.
struct PrintedRectangle {
    const char* what;
    double x, y, width, height;
};

// Black inside, white in a band of 2 mm all round.
void expectRectangle(const PrintedPixels& page, const PrintedRectangle& r) {
    const double right = r.x + r.width, bottom = r.y + r.height;
    EXPECT_GT(page.darkShare(r.x + 1, r.y + 1, right - 1, bottom - 1), 0.9)
        << r.what << ": no black rectangle " << r.width << " x " << r.height << " mm at (" << r.x << ", " << r.y
        << ") mm";
    EXPECT_LT(page.darkShare(r.x + 1, r.y - 3, right - 1, r.y - 1), 0.02) << r.what << ": black above it";
    EXPECT_LT(page.darkShare(r.x + 1, bottom + 1, right - 1, bottom + 3), 0.02) << r.what << ": black below it";
    EXPECT_LT(page.darkShare(r.x - 3, r.y + 1, r.x - 1, bottom - 1), 0.02) << r.what << ": black left of it";
    EXPECT_LT(page.darkShare(right + 1, r.y + 1, right + 3, bottom - 1), 0.02) << r.what << ": black right of it";
}

// A drawing reaches 19 mm to either side of its (0, 0) and 44 mm up and down.
double darkShareOfDrawingPlace(const PrintedPixels& page, double x, double y) {
    return page.darkShare(x - 19, y - 44, x + 19, y + 44);
}

// The page: the title (8 mm) with its top 15 mm down, the line under it (4.5 mm) 27 mm down, both
// centred on 105 mm; the connector drawing's (0, 0) at (60, 90) mm, the pinout drawing's at (150, 90).
constexpr double TitleTop = 15, TitleHeight = 8;
constexpr double SubtitleTop = 27, SubtitleHeight = 4.5;
constexpr double PageCentre = 105;
constexpr double ConnectorX = 60, PinoutX = 150, DrawingsY = 90;

double centreOf(const std::vector<PrintedWord>& line) { return (line.front().left + line.back().right) / 2; }

struct BoxSeen {
    DialogInfo info;
    HWND owner;
    HICON icon;
};

DialogScript::Step answerBox(std::vector<BoxSeen>& boxes) {
    return [&boxes](HWND box) {
        boxes.push_back({Describe(box), ::GetWindow(box, GW_OWNER), MessageBoxIcon(box)});
        PressButton(box, IDOK);
    };
}
}  // namespace

// The catalog on its test list, printing to the CUPS PDF queue one test at a time.
class ConnectorCatalogPrintTest : public ConnectorCatalogTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(queueLock.held()) << "another test run kept the print queue for 5 minutes";
        ASSERT_FALSE(PdfFolder().empty())
            << "STRANDOR_PDF_DIR is not set: the tests need the CUPS queue of scripts/cups-env";
        ASSERT_TRUE(WaitForEmptyQueue(30000)) << "the PDF queue holds jobs: " << QueuedJobs();
        ConnectorCatalogTest::SetUp();
        pdfsBefore = PdfFiles();
    }
    void TearDown() override {
        ConnectorCatalogTest::TearDown();
        RemoveWrittenDataFiles();
    }

    // F3 in the connector list, then `steps` for the dialogs that come, starting with the printer
    // dialog; any further dialog is cancelled and fails the test. Waits for the queue to empty and
    // answers the PDFs that came.
    std::vector<std::string> printWith(std::vector<DialogScript::Step> steps) {
        const size_t expected = steps.size();
        steps.push_back(PressCancel());
        {
            DialogScript script(steps, true);
            RunKeyCommand(item(IDC_CATALOG_CONNECTORS), VK_F3);
            dialogs = script.seen();
        }
        PumpUntilIdle();
        EXPECT_EQ(dialogs.size(), expected) << "dialogs met while printing";
        for (size_t i = expected; i < dialogs.size(); ++i)
            ADD_FAILURE() << "unexpected dialog \"" << dialogs[i].caption << "\": " << dialogs[i].text;
        if (!dialogs.empty()) {
            EXPECT_EQ(dialogs[0].caption, "Print") << "the system printer dialog comes first";
        }
        EXPECT_TRUE(WaitForEmptyQueue()) << "jobs still queued: " << QueuedJobs();
        return NewFiles(pdfsBefore, PdfFiles());
    }

    PrintQueueLock queueLock;
    std::vector<std::string> pdfsBefore;
    std::vector<DialogInfo> dialogs;  // what the last printWith() met, in order
};

TEST_F(ConnectorCatalogPrintTest, F3PrintsTheShownConnectorWithNameTheLineOfItsPinoutAndBothDrawings) {
    // DE-9 with its first pinout, 001, is shown after start-up. Each drawing is a black rectangle
    // of its own height, so a swapped or misplaced drawing shows.
    WriteRectangleMetafile("DATA\\PLUG\\PLUG.009", 15, 30);
    WriteRectangleMetafile("DATA\\PINOUTS\\PINOUTS.001", 15, 40);
    ASSERT_EQ(selectedRow(IDC_CATALOG_CONNECTORS), 1);
    ASSERT_EQ(selectedRow(IDC_CATALOG_PINOUTS), 0);
    long gdiBefore = LiveGdiObjects();

    std::vector<std::string> pdfs = printWith({PressOk()});
    ASSERT_EQ(pdfs.size(), 1u) << "one document";
    EXPECT_EQ(LiveGdiObjects(), gdiBefore) << "the page left fonts or the printer DC alive";
    EXPECT_TRUE(::IsWindow(frame())) << "the program goes on";

    PrintedPage page = ReadPrintedPage(pdfs[0]);
    EXPECT_EQ(page.documentName, "Strandor! connector catalog");
    EXPECT_EQ(page.pageCount, 1);

    std::vector<PrintedWord> title = page.wordsOfLine(TitleTop, TitleHeight);
    ASSERT_FALSE(title.empty()) << "no line with its top 15 mm down";
    EXPECT_EQ(page.lineAt(TitleTop, TitleHeight), "DE-9 (9-pin D-sub)") << "the connector's name";
    EXPECT_NEAR(centreOf(title), PageCentre, 1.0) << "the name is centred on 105 mm";
    EXPECT_GT(title.front().bottom - title.front().top, 4.5) << "the name is printed 8 mm high";

    std::vector<PrintedWord> subtitle = page.wordsOfLine(SubtitleTop, SubtitleHeight);
    ASSERT_FALSE(subtitle.empty()) << "no line with its top 27 mm down";
    EXPECT_EQ(page.lineAt(SubtitleTop, SubtitleHeight), "Connector 009, pinout 001: DE-9 RS-232 (PC, DTE)");
    // The PDF's glyphs run about 2 % wider than the extent the printer DC centres the line by, so the
    // centre of this 94 mm line drifts about 1.5 mm to the right.
    EXPECT_NEAR(centreOf(subtitle), PageCentre, 2.0) << "the pinout's line is centred on 105 mm";
    EXPECT_LT(subtitle.front().bottom - subtitle.front().top, title.front().bottom - title.front().top)
        << "the pinout's line is smaller than the name";
    EXPECT_EQ(page.words.size(), title.size() + subtitle.size()) << "no other text on the page";

    PrintedPixels pixels = PrintedPixels::Render(pdfs[0], 150);
    ASSERT_FALSE(pixels.empty()) << "pdftoppm made no picture of the page";
    expectRectangle(pixels, {"connector drawing", ConnectorX, DrawingsY, 15, 30});
    expectRectangle(pixels, {"pinout drawing", PinoutX, DrawingsY, 15, 40});
    EXPECT_LT(pixels.darkShare(ConnectorX + 21, DrawingsY - 44, PinoutX - 21, DrawingsY + 44), 0.001)
        << "nothing between the drawings";
    EXPECT_LT(pixels.darkShare(0, DrawingsY + 46, 210, 280), 0.001) << "nothing below the drawings";
}

TEST_F(ConnectorCatalogPrintTest, ConnectorChosenInTheListIsPrintedAndAMissingPinoutDrawingLeavesItsPlaceEmpty) {
    // DB-25's first pinout, 002, has neither a name nor a drawing.
    WriteRectangleMetafile("DATA\\PLUG\\PLUG.011", 12, 25);
    RemoveDataFile("DATA\\PINOUTS\\PINOUTS.002");
    PressKey(item(IDC_CATALOG_CONNECTORS), VK_DOWN);
    ASSERT_EQ(selectedRow(IDC_CATALOG_CONNECTORS), 2);

    std::vector<std::string> pdfs = printWith({PressOk()});
    ASSERT_EQ(pdfs.size(), 1u);
    PrintedPage page = ReadPrintedPage(pdfs[0]);
    EXPECT_EQ(page.pageCount, 1);
    EXPECT_EQ(page.lineAt(TitleTop, TitleHeight), "DB-25 (25-pin D-sub)");
    EXPECT_EQ(page.lineAt(SubtitleTop, SubtitleHeight), "Connector 011, pinout 002");

    PrintedPixels pixels = PrintedPixels::Render(pdfs[0], 150);
    ASSERT_FALSE(pixels.empty());
    expectRectangle(pixels, {"connector drawing", ConnectorX, DrawingsY, 12, 25});
    EXPECT_LT(darkShareOfDrawingPlace(pixels, PinoutX, DrawingsY), 0.001) << "the pinout's place stays empty";
}

TEST_F(ConnectorCatalogPrintTest, RefusedDocumentIsReportedOnceAndNothingIsPrinted) {
    WriteRectangleMetafile("DATA\\PLUG\\PLUG.009", 15, 30);
    WriteRectangleMetafile("DATA\\PINOUTS\\PINOUTS.001", 15, 40);
    SpoolFolderBlocked spool;
    ASSERT_TRUE(spool.active()) << "could not put a file in place of the spool folder";
    long gdiBefore = LiveGdiObjects();

    std::vector<BoxSeen> boxes;
    std::vector<std::string> pdfs = printWith({PressOk(), answerBox(boxes)});
    ASSERT_EQ(boxes.size(), 1u) << "one message";
    EXPECT_EQ(boxes[0].info.text, "Problems with printing...");
    EXPECT_EQ(boxes[0].info.caption, "Strandor! connector catalog") << "like the catalog's other messages";
    EXPECT_EQ(boxes[0].owner, frame()) << "the box belongs to the catalog window";
    EXPECT_EQ(boxes[0].icon, StopIcon());
    EXPECT_EQ(LiveGdiObjects(), gdiBefore) << "fonts or the printer DC left alive";
    EXPECT_EQ(QueuedJobs(), "") << "no half-built job in the queue";
    EXPECT_EQ(pdfs.size(), 0u) << "nothing printed";
    EXPECT_TRUE(::IsWindow(frame())) << "the program goes on";
}
