// The printed sheet of one cable, read back from the PDF the print queue makes of it.

#include <cstdio>
#include <string>

#include "PrintFixture.h"
#include "app/MainFrame.h"
#include "cables/CableTable.h"
#include "framework/GdiObjects.h"
#include "print/PrintOptionsDialog.h"
#include "resource.h"

namespace {
std::string dataFile(const char* folder, const char* name, int number) {
    char path[64];
    std::snprintf(path, sizeof path, "DATA\\%s\\%s.%03d", folder, name, number);
    return path;
}

// A drawing as the sheet should show it: its (0, 0) on the page in mm, and the height of the
// black rectangle its test file holds (each file its own, so a swapped file shows).
struct ExpectedDrawing {
    const char* what;
    double x, y;
    int heightMm;
};

// Black inside the rectangle, white just below it and just right of it.
void expectDrawing(const PrintedPixels& page, const ExpectedDrawing& drawing) {
    double x = drawing.x, y = drawing.y, h = drawing.heightMm;
    EXPECT_GT(page.darkShare(x + 1, y + 1, x + 9, y + h - 1), 0.9)
        << drawing.what << ": no black rectangle 10 x " << h << " mm at (" << x << ", " << y << ") mm";
    EXPECT_LT(page.darkShare(x + 1, y + h + 1, x + 9, y + h + 3), 0.02)
        << drawing.what << ": black below (" << x << ", " << y + h << ") mm: the rectangle is too tall";
    EXPECT_LT(page.darkShare(x + 11, y + 1, x + 13, y + h - 1), 0.02)
        << drawing.what << ": black right of (" << x + 10 << ", " << y << ") mm";
    EXPECT_LT(page.darkShare(x - 3, y + 1, x - 1, y + h - 1), 0.02)
        << drawing.what << ": black left of (" << x << ", " << y << ") mm";
}

std::string notesText(const PrintedPage& page) {
    std::string text;
    for (const PrintedWord& word : page.words) {
        if (word.left > 134 && word.top > 148) text += (text.empty() ? "" : " ") + word.text;
    }
    return text;
}

const ExpectedDrawing NoDrawing = {"", 0, 0, 0};
}  // namespace

using PrintSheetTest = PrintTest;

TEST_F(PrintSheetTest, CurrentCableSheetHasTitleNotesAndDrawingsInPlace) {
    // Row 8 "printer cable DB25-Centronics": plugs 11 and 13, pinouts 3 and 4: seven files.
    WriteRectangleMetafile(dataFile("PINOUTS", "PINOUTS", 3), 10, 10);
    WriteRectangleMetafile(dataFile("PLUG", "PLUG", 11), 10, 15);
    WriteRectangleMetafile(dataFile("CABLE", "CABLE", 8), 10, 20);
    WriteRectangleMetafile(dataFile("PLUG", "PLUG", 13), 10, 25);
    WriteRectangleMetafile(dataFile("PINOUTS", "PINOUTS", 4), 10, 30);
    WriteRectangleMetafile(dataFile("NOTES", "NOTES", 8), 10, 35);
    WriteRectangleMetafile("DATA\\MISC\\SD_PRINT.LGO", 10, 5);
    WriteDataFile(dataFile("USERNOTE", "USERNOTE", 8),
                  "Pins 2 & 3 crossed\r\n"
                  "the words of a longer line wrap at the right edge of the notes column and go on below it");
    frame().ShowCable(8);
    long gdiBefore = LiveGdiObjects();

    std::vector<std::string> pdfs = print(IDC_PRINT_CURRENT);
    ASSERT_EQ(pdfs.size(), 1u) << "one document for the current cable";
    EXPECT_EQ(LiveGdiObjects(), gdiBefore) << "the sheet left GDI objects or the printer DC alive";

    PrintedPage page = ReadPrintedPage(pdfs[0]);
    EXPECT_EQ(page.documentName, "Strandor!");
    EXPECT_EQ(page.pageCount, 1);
    std::vector<PrintedWord> title = page.wordsOfLine(15, 8);
    ASSERT_FALSE(title.empty()) << "no title with its top 15 mm down";
    EXPECT_EQ(page.lineAt(15, 8), "printer cable DB25-Centronics");
    double centre = (title.front().left + title.back().right) / 2;
    EXPECT_NEAR(centre, 105, 1.0) << "the title is centred on 105 mm";
    EXPECT_GT(title.front().bottom - title.front().top, 4.5) << "the title font is 8 mm high";

    EXPECT_EQ(page.lineAt(141, 5), "User Notes:");
    const PrintedWord* heading = page.find("User");
    ASSERT_NE(heading, nullptr);
    EXPECT_NEAR(heading->left, 145, 1.0);

    EXPECT_EQ(page.lineAt(149, 3), "Pins 2 & 3 crossed") << "the ampersand prints as itself";
    EXPECT_NEAR(page.wordsOfLine(149, 3).front().left, 135, 1.0);
    EXPECT_EQ(page.lineAt(152, 3).substr(0, 9), "the words") << "the text's own line break starts a line";
    int wrappedLines = 0;
    for (const PrintedWord& word : page.words) {
        if (word.top <= 148) continue;
        EXPECT_LE(word.right, 196) << "\"" << word.text << "\" runs past the 60 mm column";
        EXPECT_GE(word.left, 134) << "\"" << word.text << "\" starts left of the column";
    }
    for (double top = 152; top < 170; top += 3) wrappedLines += page.lineAt(top, 3).empty() ? 0 : 1;
    EXPECT_GE(wrappedLines, 2) << "the long line wraps onto further lines";
    EXPECT_EQ(notesText(page), "Pins 2 & 3 crossed the words of a longer line wrap at the right edge of the notes "
                               "column and go on below it");

    PrintedPixels pixels = PrintedPixels::Render(pdfs[0], 150);
    ASSERT_FALSE(pixels.empty());
    for (const ExpectedDrawing& drawing : {ExpectedDrawing{"start pinouts", 25, 73, 10},
                                           ExpectedDrawing{"start connector", 64, 73, 15},
                                           ExpectedDrawing{"circuit diagram", 103, 73, 20},
                                           ExpectedDrawing{"end connector", 142, 73, 25},
                                           ExpectedDrawing{"end pinouts", 181, 73, 30},
                                           ExpectedDrawing{"cable notes", 64, 170, 35},
                                           ExpectedDrawing{"print logo", 64, 247, 5}}) {
        expectDrawing(pixels, drawing);
    }
}

TEST_F(PrintSheetTest, NoCableRightAfterStartUpPrintsItsSheet) {
    // Row 0's drawings are all numbered 000; it has no notes file and there is no logo.
    WriteRectangleMetafile(dataFile("PINOUTS", "PINOUTS", 0), 10, 10);
    WriteRectangleMetafile(dataFile("PLUG", "PLUG", 0), 10, 15);
    WriteRectangleMetafile(dataFile("CABLE", "CABLE", 0), 10, 20);
    WriteRectangleMetafile(dataFile("NOTES", "NOTES", 0), 10, 25);
    RemoveDataFile("DATA\\MISC\\SD_PRINT.LGO");
    RemoveDataFile(dataFile("USERNOTE", "USERNOTE", 0));
    // OK with no option checked prints the current cable.

    std::vector<std::string> pdfs = print(0);
    ASSERT_EQ(pdfs.size(), 1u);
    PrintedPage page = ReadPrintedPage(pdfs[0]);
    EXPECT_EQ(page.lineAt(15, 8), "No cable");
    EXPECT_EQ(page.lineAt(141, 5), "User Notes:") << "a cable without a notes file prints the heading";
    EXPECT_EQ(page.words.size(), 4u) << "only the title and the heading: no notes text";

    PrintedPixels pixels = PrintedPixels::Render(pdfs[0], 150);
    ASSERT_FALSE(pixels.empty());
    for (const ExpectedDrawing& drawing :
         {ExpectedDrawing{"start pinouts", 25, 73, 10}, ExpectedDrawing{"start connector", 64, 73, 15},
          ExpectedDrawing{"circuit diagram", 103, 73, 20}, ExpectedDrawing{"end connector", 142, 73, 15},
          ExpectedDrawing{"end pinouts", 181, 73, 10}, ExpectedDrawing{"cable notes", 64, 170, 25}}) {
        expectDrawing(pixels, drawing);
    }
    EXPECT_LT(pixels.darkShare(60, 240, 110, 290), 0.001) << "the missing logo leaves its place empty";
}

TEST_F(PrintSheetTest, NotesAreCutAt999BytesAndEndAtAZeroByte) {
    // 250 words of 6 bytes: byte 999 is the third letter of word 167.
    std::string long_notes;
    for (int word = 1; word <= 250; ++word) {
        char text[8];
        std::snprintf(text, sizeof text, "w%04d ", word);
        long_notes += text;
    }
    ASSERT_EQ(long_notes.size(), 1500u);
    WriteDataFile(dataFile("USERNOTE", "USERNOTE", 5), long_notes);
    WriteDataFile(dataFile("USERNOTE", "USERNOTE", 6), std::string("before the zero\0after the zero", 31));
    // A damaged drawing is skipped; the others still print.
    WriteDataFile(dataFile("CABLE", "CABLE", 5), std::string(200, '\x01'));
    WriteRectangleMetafile(dataFile("PLUG", "PLUG", 11), 10, 15);

    frame().ShowCable(5);
    std::vector<std::string> cut = print(IDC_PRINT_CURRENT);
    ASSERT_EQ(cut.size(), 1u);
    std::string text = notesText(ReadPrintedPage(cut[0]));
    EXPECT_EQ(text.substr(0, 11), "w0001 w0002");
    EXPECT_EQ(text.substr(text.size() - 9), "w0166 w01") << "the text ends after its 999th byte";

    PrintedPixels pixels = PrintedPixels::Render(cut[0], 150);
    EXPECT_LT(pixels.darkShare(100, 70, 140, 110), 0.001) << "the damaged circuit diagram leaves its place empty";
    expectDrawing(pixels, ExpectedDrawing{"start connector", 64, 73, 15});

    pdfsBefore = PdfFiles();
    frame().ShowCable(6);
    std::vector<std::string> zero = print(IDC_PRINT_CURRENT);
    ASSERT_EQ(zero.size(), 1u);
    EXPECT_EQ(notesText(ReadPrintedPage(zero[0])), "before the zero") << "a zero byte ends the text";
}
