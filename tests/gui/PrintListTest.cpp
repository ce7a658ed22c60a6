// The printed cable list, read back from the PDF.

#include <string>

#include "PrintFixture.h"
#include "cables/CableTable.h"
#include "framework/GdiObjects.h"
#include "resource.h"

using PrintListTest = PrintTest;

TEST_F(PrintListTest, Lists77CablesNumberedOnOnePage) {
    long gdiBefore = LiveGdiObjects();
    std::vector<std::string> pdfs = print(IDC_PRINT_LIST);
    ASSERT_EQ(pdfs.size(), 1u) << "one document";
    EXPECT_EQ(LiveGdiObjects(), gdiBefore);
    PrintedPage page = ReadPrintedPage(pdfs[0]);
    EXPECT_EQ(page.documentName, "Strandor!");
    EXPECT_EQ(page.pageCount, 1);

    std::vector<PrintedWord> title = page.wordsOfLine(15, 3);
    ASSERT_FALSE(title.empty());
    EXPECT_EQ(page.lineAt(15, 3), "Strandor! 1.02 cablelist");
    EXPECT_NEAR((title.front().left + title.back().right) / 2, 105, 1.0) << "the title is centred on 105 mm";

    // The rows in use: 1 to 30, 33 to 38 and 42 to 82, numbered by position.
    std::vector<int> rows;
    for (int row = 1; row <= 82; ++row) {
        if (row != 31 && row != 32 && (row < 39 || row > 41)) rows.push_back(row);
    }
    ASSERT_EQ(rows.size(), 77u);
    for (size_t i = 0; i < rows.size(); ++i) {
        int number = static_cast<int>(i) + 1;
        double top = 25 + 3 * i;
        std::string expected = std::to_string(number) + ". " + Utf8(Catalog.cables[rows[i]].name);
        EXPECT_EQ(page.lineAt(top, 3), expected) << "line " << number << " with its top " << top << " mm down";
        std::vector<PrintedWord> words = page.wordsOfLine(top, 3);
        if (!words.empty()) {
            EXPECT_NEAR(words.front().left, 20, 1.0) << "line " << number << " starts at 20 mm";
        }
    }
    EXPECT_EQ(page.lineAt(25 + 3 * 30, 3), "31. " + Utf8(Catalog.cables[33].name));
    EXPECT_EQ(page.lineAt(253, 3).substr(0, 4), "77. ") << "the last line's top lies 253 mm down";
    EXPECT_EQ(page.lineAt(256, 3), "") << "nothing after line 77";
    EXPECT_EQ(page.words.size(), page.wordsOfLine(15, 3).size() + [&] {
        size_t count = 0;
        for (int i = 0; i < 77; ++i) count += page.wordsOfLine(25 + 3 * i, 3).size();
        return count;
    }()) << "no words besides the title and the 77 lines";
}
