// Page positions and line texts of the printed sheet and cable list.

#include <gtest/gtest.h>

#include <string>

#include "cables/CableTable.h"
#include "print/PageLayout.h"

namespace {
using PrintLayoutTest = ::testing::Test;
}  // namespace

TEST_F(PrintLayoutTest, ListLinesStartAt25mmOneFontHeightApart) {
    EXPECT_EQ(ListLinePosition(1).x, 2000);
    EXPECT_EQ(ListLinePosition(1).y, -2500);
    EXPECT_EQ(ListLinePosition(2).y, -2800);
    EXPECT_EQ(ListLinePosition(31).y, -11500);
    EXPECT_EQ(ListLinePosition(77).y, -25300) << "the last line of the shipped list, 253 mm down";
    EXPECT_EQ(ListLinePosition(100).y, -32200) << "a full table would run past an A4 page";
    EXPECT_EQ(ListLinePosition(77).x, 2000);
}

TEST_F(PrintLayoutTest, ListLineIsNumberFullStopSpaceAndName) {
    EXPECT_EQ(ListLineText(1, "IDE cable"), "1. IDE cable");
    EXPECT_EQ(ListLineText(31, "Router"), "31. Router");
    EXPECT_EQ(ListLineText(100, ""), "100. ");
}

TEST_F(PrintLayoutTest, CableListNamesAreTheRowsInUseInTableOrder) {
    std::vector<const char*> names = CableListNames();
    ASSERT_EQ(names.size(), 77u);
    EXPECT_STREQ(names[0], Catalog.cables[1].name);
    EXPECT_STREQ(names[29], Catalog.cables[30].name);
    EXPECT_STREQ(names[30], Catalog.cables[33].name) << "line 31 is row 33";
    EXPECT_STREQ(names[36], Catalog.cables[42].name);
    EXPECT_STREQ(names[76], Catalog.cables[82].name);
    for (const char* name : names) EXPECT_STRNE(name, "No cable");
}

TEST_F(PrintLayoutTest, SheetsToPrintFollowTheChoice) {
    EXPECT_EQ(SheetsToPrint(PrintOption::CurrentCable, 0), std::vector<int>{0}) << "row 0 is printed when current";
    EXPECT_EQ(SheetsToPrint(PrintOption::CurrentCable, 57), std::vector<int>{57});
    EXPECT_TRUE(SheetsToPrint(PrintOption::CableList, 5).empty());
    EXPECT_TRUE(SheetsToPrint(0, 5).empty()) << "an unknown choice prints nothing";

    std::vector<int> all = SheetsToPrint(PrintOption::AllCables, 5);
    std::vector<int> expected;
    for (int row = 1; row <= 30; ++row) expected.push_back(row);
    for (int row = 33; row <= 38; ++row) expected.push_back(row);
    for (int row = 42; row <= 82; ++row) expected.push_back(row);
    EXPECT_EQ(all, expected);
}

TEST_F(PrintLayoutTest, SheetDrawingsInDrawingOrderAtTheirOrigins) {
    CableRecord cable{"printer cable", 11, 13, 3, 4};
    auto drawings = SheetDrawings(cable, 8);
    const char* paths[] = {"DATA\\PINOUTS\\PINOUTS.003", "DATA\\PLUG\\PLUG.011", "DATA\\CABLE\\CABLE.008",
                           "DATA\\PLUG\\PLUG.013",       "DATA\\PINOUTS\\PINOUTS.004", "DATA\\NOTES\\NOTES.008",
                           "DATA\\MISC\\SD_PRINT.LGO"};
    const int origins[][2] = {{-2500, 7300},  {-6400, 7300}, {-10300, 7300}, {-14200, 7300},
                              {-18100, 7300}, {-6400, 17000}, {-6400, 24700}};
    for (size_t i = 0; i < drawings.size(); ++i) {
        EXPECT_EQ(drawings[i].path, paths[i]) << "drawing " << i + 1;
        EXPECT_EQ(drawings[i].x0, origins[i][0]) << "drawing " << i + 1;
        EXPECT_EQ(drawings[i].y0, origins[i][1]) << "drawing " << i + 1;
    }
}

TEST_F(PrintLayoutTest, SheetPositionsAndNotesBuffer) {
    EXPECT_EQ(TitlePosition.x, 10500);
    EXPECT_EQ(TitlePosition.y, -1500);
    EXPECT_EQ(NotesHeadingPosition.x, 14500);
    EXPECT_EQ(NotesHeadingPosition.y, -14100);
    EXPECT_EQ(NotesRect.left, 13500);
    EXPECT_EQ(NotesRect.top, -14900);
    EXPECT_EQ(NotesRect.right, 19500);
    EXPECT_EQ(NotesRect.bottom, -27700);
    EXPECT_EQ(NotesRect.right - NotesRect.left, 6000) << "a 60 mm column";
    EXPECT_EQ(NotesBufferBytes, 1000);
    EXPECT_EQ(NotesMaxBytes, 999) << "the text always ends with a zero byte";
}
