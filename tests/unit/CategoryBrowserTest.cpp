#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "cables/CableTable.h"
#include "cables/CategoryBrowser.h"

namespace {

using Rows = std::vector<std::string>;

using CategoryBrowserTest = ::testing::Test;

// Walks from the root along the rows a user can choose and records, for every cable the walk can
// pick, the category path of the list it was found in.
void walk(int node, std::map<int, std::set<std::string>>& found, std::set<int>& visited, int depth) {
    ASSERT_LT(depth, 6) << "the walk went deeper than the tree";
    visited.insert(node);
    Rows rows = ListRows(node);
    for (int row = 1; row < static_cast<int>(rows.size()); ++row) {
        int shown = node;
        ChooseResult result = Choose(shown, row);
        if (result.kind == ChooseResult::MovedDown) {
            walk(shown, found, visited, depth + 1);
            // Coming back up by the heading row lands where the walk came from.
            int back = shown;
            EXPECT_EQ(Choose(back, 0).kind, ChooseResult::MovedUp);
            EXPECT_EQ(back, node);
        } else {
            ASSERT_EQ(result.kind, ChooseResult::Picked) << CategoryPath(node) << " row " << row;
            EXPECT_EQ(shown, node) << "picking does not move";
            found[result.cable.tableRow].insert(CategoryPath(node));
            // The row shows the picked cable's name behind six blanks.
            EXPECT_EQ(rows[row], std::string("      ") + Catalog.cables[result.cable.tableRow].name);
        }
    }
}

}  // namespace

TEST_F(CategoryBrowserTest, RootListsTheHeadingAndThreeCategories) {
    EXPECT_EQ(ListRows(0), (Rows{"[   ] Cables", "[+] Computer", "[+] Audio-Video", "[+] AC Power adapters"}));
}

TEST_F(CategoryBrowserTest, ComputerListsItsFiveCategoriesInSlotOrder) {
    EXPECT_EQ(ListRows(1), (Rows{"[ - ] Computer", "[+] Data transfer", "[+] Data storage", "[+] Monitor",
                                 "[+] Audio", "[+] Misc"}));
}

TEST_F(CategoryBrowserTest, AudioVideoListsThreeCategoriesAndNeverCarAudio) {
    Rows rows = ListRows(12);
    EXPECT_EQ(rows, (Rows{"[ - ] Audio-Video", "[+] SCART (VHS)", "[+] SCART (SVHS)", "[+] Misc"}));
    for (const std::string& row : rows) EXPECT_EQ(row.find("Car audio"), std::string::npos);
}

TEST_F(CategoryBrowserTest, SerialListsRs232AppleAndAdaptersOnly) {
    EXPECT_EQ(ListRows(3), (Rows{"[ - ] Serial", "[+] RS232", "[+] Apple", "[+] Adapters"}));
}

TEST_F(CategoryBrowserTest, Rs232ListsCables1To6BehindSixBlanks) {
    EXPECT_EQ(ListRows(4), (Rows{"[ - ] RS232", "      nullmodem, 3-Wire, DB25-DB25", "      nullmodem, 3-Wire, DB25-DB9",
                                 "      nullmodem, 3-Wire, DB9-DB9", "      nullmodem, DB25-DB25",
                                 "      nullmodem, DB25-DB9", "      nullmodem, DB9-DB9"}));
}

TEST_F(CategoryBrowserTest, MarkersAreSixCharactersForHeadingsAndCablesAndFourForCategories) {
    for (int node : {0, 1, 4, 21, 23}) {
        Rows rows = ListRows(node);
        EXPECT_EQ(rows[0].substr(6), Catalog.nodes[node].name) << "node " << node;
    }
    EXPECT_EQ(ListRows(22)[1], "[+] T65 - Internatioal AC adapters");
    EXPECT_EQ(ListRows(22)[2], "[+] Type \"S\" - Internatioal AC adapters");
    EXPECT_EQ(ListRows(23).size(), 12u) << "the longest list: heading and 11 cables";
    EXPECT_EQ(ListRows(23)[11], "      \"S\" - T65 Adapter");
}

TEST_F(CategoryBrowserTest, PathOfTheRootIsJustItsName) { EXPECT_EQ(CategoryPath(0), ">Cables"); }

TEST_F(CategoryBrowserTest, PathNamesEveryLevelWithoutBlanksAroundTheSeparators) {
    EXPECT_EQ(CategoryPath(1), ">Cables\\Computer");
    EXPECT_EQ(CategoryPath(2), ">Cables\\Computer\\Data transfer");
    EXPECT_EQ(CategoryPath(21), ">Cables\\Computer\\Data transfer\\Serial\\Adapters");
    EXPECT_EQ(CategoryPath(15), ">Cables\\Audio-Video\\Misc");
    EXPECT_EQ(CategoryPath(19), ">Cables\\Computer\\Misc");
    EXPECT_EQ(CategoryPath(24), ">Cables\\AC Power adapters\\Type \"S\" - Internatioal AC adapters");
}

TEST_F(CategoryBrowserTest, HeadingAtTheRootStaysAtTheRoot) {
    int node = 0;
    ChooseResult result = Choose(node, 0);
    EXPECT_EQ(result.kind, ChooseResult::AtRoot);
    EXPECT_EQ(node, 0);
}

TEST_F(CategoryBrowserTest, HeadingBelowTheRootGoesUpOneLevel) {
    int node = 21;
    EXPECT_EQ(Choose(node, 0).kind, ChooseResult::MovedUp);
    EXPECT_EQ(node, 3);
    EXPECT_EQ(Choose(node, 0).kind, ChooseResult::MovedUp);
    EXPECT_EQ(node, 2);
    node = 12;
    EXPECT_EQ(Choose(node, 0).kind, ChooseResult::MovedUp);
    EXPECT_EQ(node, 0);
}

TEST_F(CategoryBrowserTest, CategoryRowGoesDownIntoTheChildOfThatSlot) {
    int node = 0;
    EXPECT_EQ(Choose(node, 2).kind, ChooseResult::MovedDown);
    EXPECT_EQ(node, 12);
    node = 1;
    EXPECT_EQ(Choose(node, 2).kind, ChooseResult::MovedDown);
    EXPECT_EQ(node, 10) << "slot order, not name order";
    node = 3;
    EXPECT_EQ(Choose(node, 3).kind, ChooseResult::MovedDown);
    EXPECT_EQ(node, 21);
}

TEST_F(CategoryBrowserTest, CableRowPicksTheCableOfThatSlotAndStays) {
    int node = 4;
    ChooseResult result = Choose(node, 1);
    EXPECT_EQ(result.kind, ChooseResult::Picked);
    EXPECT_EQ(result.cable.tableRow, 1);
    EXPECT_EQ(node, 4);
    node = 21;
    result = Choose(node, 3);
    EXPECT_EQ(result.kind, ChooseResult::Picked);
    EXPECT_EQ(result.cable.tableRow, 42);
    EXPECT_EQ(node, 21);
    node = 8;
    result = Choose(node, 1);
    EXPECT_EQ(result.cable.tableRow, 8);
    result = Choose(node, 2);
    EXPECT_EQ(result.cable.tableRow, 7);
}

TEST_F(CategoryBrowserTest, NoSelectionAndRowsBeyondTheChildCountAreIgnored) {
    for (int node : {0, 12, 4, 21}) {
        int shown = node;
        EXPECT_EQ(Choose(shown, -1).kind, ChooseResult::Ignored) << "node " << node;
        EXPECT_EQ(shown, node);
        int beyond = Catalog.nodes[node].childCount + 1;
        EXPECT_EQ(Choose(shown, beyond).kind, ChooseResult::Ignored) << "node " << node;
        EXPECT_EQ(shown, node);
        EXPECT_EQ(Choose(shown, 31).kind, ChooseResult::Ignored);
        EXPECT_EQ(Choose(shown, 1000).kind, ChooseResult::Ignored);
        EXPECT_EQ(shown, node);
    }
    // Audio-Video's fourth slot holds Car audio, but row 4 is past its three children.
    int node = 12;
    EXPECT_EQ(Choose(node, 4).kind, ChooseResult::Ignored);
    EXPECT_EQ(node, 12);
}

TEST_F(CategoryBrowserTest, WalkingFromTheRootReachesEvery77CablesAndNeverNoCable) {
    std::map<int, std::set<std::string>> found;
    std::set<int> visited;
    walk(0, found, visited, 0);
    std::set<int> inUse;
    for (int number = 0; number < 100; ++number)
        if (IsCableInUse(number)) inUse.insert(number);
    std::set<int> reached;
    for (const auto& entry : found) reached.insert(entry.first);
    EXPECT_EQ(reached, inUse);
    EXPECT_EQ(reached.size(), 77u);
    EXPECT_EQ(found.count(0), 0u) << "No cable is never offered";
    EXPECT_EQ(found[30].size(), 2u) << "cable 30 stands in two lists";
    EXPECT_EQ(found[80].size(), 2u) << "cable 80 stands in two lists";
    EXPECT_EQ(found[42], (std::set<std::string>{">Cables\\Computer\\Data transfer\\Serial\\Adapters"}));
    EXPECT_EQ(visited, (std::set<int>{0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 20, 21, 22, 23, 24}))
        << "RS422, IEEE488 and Car audio stay out of reach";
}

TEST_F(CategoryBrowserTest, ReachableTreeListsItsCablesInListOrder) {
    const std::map<int, std::vector<int>> lists = {
        {4, {1, 2, 3, 4, 5, 6}},
        {7, {51, 54, 55}},
        {21, {37, 38, 42, 45, 52, 53, 57, 58}},
        {8, {8, 7}},
        {20, {33, 34, 35, 36}},
        {10, {18, 19, 20, 21, 82}},
        {9, {16, 17, 49, 81}},
        {11, {24, 25, 26, 27, 28, 29, 30}},
        {19, {47, 48, 50, 56, 22, 23, 59}},
        {13, {9, 14, 15, 10, 11, 12}},
        {14, {30, 43, 44, 46}},
        {15, {13}},
        {23, {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 80}},
        {24, {70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80}},
    };
    for (const auto& entry : lists) {
        int node = entry.first;
        std::vector<int> picked;
        for (int row = 1; row < static_cast<int>(ListRows(node).size()); ++row) {
            int shown = node;
            ChooseResult result = Choose(shown, row);
            ASSERT_EQ(result.kind, ChooseResult::Picked) << "node " << node << " row " << row;
            picked.push_back(result.cable.tableRow);
        }
        EXPECT_EQ(picked, entry.second) << "node " << node;
    }
}

TEST_F(CategoryBrowserTest, ReachableCategoriesSitWhereTheTreeSays) {
    // Category name paths from the root, by choosing rows as a user would.
    struct Step {
        std::vector<int> rows;
        const char* path;
    };
    const Step steps[] = {
        {{1}, ">Cables\\Computer"},
        {{1, 1}, ">Cables\\Computer\\Data transfer"},
        {{1, 1, 1}, ">Cables\\Computer\\Data transfer\\Serial"},
        {{1, 1, 1, 1}, ">Cables\\Computer\\Data transfer\\Serial\\RS232"},
        {{1, 1, 1, 2}, ">Cables\\Computer\\Data transfer\\Serial\\Apple"},
        {{1, 1, 1, 3}, ">Cables\\Computer\\Data transfer\\Serial\\Adapters"},
        {{1, 1, 2}, ">Cables\\Computer\\Data transfer\\Parallel"},
        {{1, 1, 3}, ">Cables\\Computer\\Data transfer\\Network"},
        {{1, 2}, ">Cables\\Computer\\Data storage"},
        {{1, 3}, ">Cables\\Computer\\Monitor"},
        {{1, 4}, ">Cables\\Computer\\Audio"},
        {{1, 5}, ">Cables\\Computer\\Misc"},
        {{2}, ">Cables\\Audio-Video"},
        {{2, 1}, ">Cables\\Audio-Video\\SCART (VHS)"},
        {{2, 2}, ">Cables\\Audio-Video\\SCART (SVHS)"},
        {{2, 3}, ">Cables\\Audio-Video\\Misc"},
        {{3}, ">Cables\\AC Power adapters"},
        {{3, 1}, ">Cables\\AC Power adapters\\T65 - Internatioal AC adapters"},
        {{3, 2}, ">Cables\\AC Power adapters\\Type \"S\" - Internatioal AC adapters"},
    };
    for (const Step& step : steps) {
        int node = 0;
        for (int row : step.rows) ASSERT_EQ(Choose(node, row).kind, ChooseResult::MovedDown) << step.path;
        EXPECT_EQ(CategoryPath(node), step.path);
    }
}
