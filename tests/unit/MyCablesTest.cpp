// The user's own cables: file names, the text a new one starts with, the "My cables" category of
// the selection list, and finding them beside the table's cables.

#include <gtest/gtest.h>

#include <set>

#include "cables/CableSearch.h"
#include "cables/CategoryBrowser.h"
#include "mycables/MyCableFiles.h"
#include "wiring/TextEncoding.h"

namespace {
using Rows = std::vector<std::string>;

Cable indexed(CableOrigin origin, const std::string& name, const std::string& family, const std::string& gender,
              const std::string& signal) {
    Cable cable = TableCable(origin.tableRow);
    cable.origin = origin;
    if (origin.IsMine()) cable.name = name;
    cable.indexed = true;
    cable.entry.number = origin.tableRow;
    cable.entry.start = {family, gender, family + " (x)", family};
    cable.entry.end = {"DB-25", "male", "DB-25 (y)", "DB-25"};
    cable.entry.wires.push_back({"wire", "S2", signal, "E3", signal, ""});
    return cable;
}
}  // namespace

TEST(MyCables, FileNamesHoldOnlyWhatWindowsTakes) {
    const struct {
        std::string text, name;
    } cases[] = {
        {"nullmodem, DB9-DB9 - copy", "nullmodem, DB9-DB9 - copy"},
        {"SCART (VHS)-DIN5 audio in/out - copy", "SCART (VHS)-DIN5 audio in_out - copy"},
        {"a\\b:c*d?e\"f<g>h|i\tj", "a_b_c_d_e_f_g_h_i_j"},
        {"  dots and blanks at the end. . ", "dots and blanks at the end"},
        {"...", "cable"},
        {"com3.txt", "com3.txt_"},
        {"lpt0", "lpt0"},
        {std::string(300, 'x'), std::string(100, 'x')},
    };
    for (const auto& c : cases) EXPECT_EQ(FileNameFor(c.text), c.name) << "for " << c.text;
}

TEST(MyCables, FreeNamesCountFromTwo) {
    std::set<std::string> taken;
    const auto isTaken = [&taken](const std::string& name) { return taken.count(name) > 0; };
    Rows made;
    for (int i = 0; i < 4; ++i) {
        made.push_back(FreeFileName("adapter - copy", isTaken));
        taken.insert(made.back());
    }
    EXPECT_EQ(made, (Rows{"adapter - copy.txt", "adapter - copy (2).txt", "adapter - copy (3).txt",
                          "adapter - copy (4).txt"}));
    taken.erase("adapter - copy (2).txt");
    EXPECT_EQ(FreeFileName("adapter - copy", isTaken), "adapter - copy (2).txt") << "a freed name is taken again";
}

TEST(MyCables, OnlyTextFilesThatAreNoConnectorsAreCableSources) {
    const struct {
        const char* name;
        bool cable, connector;
    } cases[] = {
        {"ADAPTER.TXT", true, false}, {"PINOUTS-x.TXT", false, true},     {"adapter.notes", false, false},
        {".txt", false, false},       {"plugs.txt", true, false},          {"adapter.txt.bak", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsCableSourceName(c.name), c.cable) << c.name;
        EXPECT_EQ(IsConnectorSourceName(c.name), c.connector) << c.name;
    }
    EXPECT_EQ(NotesFileNameFor("DE-9 adapter.txt"), "DE-9 adapter.notes");
}

TEST(MyCables, ANewCableTakesItsHeadFromTheTableAndItsWiringFromTheShippedSource) {
    const std::string shipped = "title Null modem\r\nwire 3 2 TxD RxD\r\npinouts end 3\r\nuse Joins two PCs\n";
    const std::string text = NewCableSource(6, shipped);
    // The head names the table's connectors and pinouts, the source's own 'pinouts' line wins.
    EXPECT_NE(text.find("name nullmodem, DB9-DB9 - copy\r\nconnector start 9\r\nconnector end 9\r\n"
                        "pinouts start 1\r\npinouts end 3\r\ntitle Null modem\r\nwire 3 2 TxD RxD\r\nuse Joins two PCs\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("pinouts end 3"), text.rfind("pinouts end 3")) << "the source's line is not kept twice";

    const std::string skeleton = NewCableSource(0, "");
    for (const char* line : {"\nname My cable\r\n", "\nconnector start 9\r\n", "\ngender end male\r\n", "\nsource "})
        EXPECT_NE(skeleton.find(line), std::string::npos) << line;
    EXPECT_EQ(skeleton[0], '#') << "the skeleton explains itself first";
}

TEST(MyCables, ACopyIsRenamedInItsNameLineAndWrittenAsUtf8WithAMark) {
    // As Ctrl+N copies a user's source: decoded, renamed as text, written in one encoding.
    const auto copied = [](const std::string& bytes, const std::string& name) {
        return wiring::encodeUtf8WithMark(RenamedSource(wiring::decodeToCodePage1252(bytes, "x.txt"), name));
    };
    const std::string mark = "\xEF\xBB\xBF";
    const struct {
        std::string text, name, renamed;
    } cases[] = {
        {"# mine\r\nname Old\r\ntitle X\r\n", "Old - copy", mark + "# mine\r\nname Old - copy\r\ntitle X\r\n"},
        {mark + "name Old\ntitle X\n", "Old - copy", mark + "name Old - copy\r\ntitle X\n"},
        {"title X\n", "Old - copy", mark + "name Old - copy\r\ntitle X\n"},
        {std::string("\xFF\xFEn\0a", 6), "Old - copy", mark + "name Old - copy\r\nna"},
        // "Câble" and "±12 V" in UTF-8, with and without a mark, and the new name with an accent too.
        {"name C\xC3\xA2" "ble\ntitle \xC2\xB1" "12 V\n", "C\xE2" "ble - copy",
         mark + "name C\xC3\xA2" "ble - copy\r\ntitle \xC2\xB1" "12 V\n"},
        {mark + "name C\xC3\xA2" "ble\ntitle \xC2\xB1" "12 V \xE2\x82\xAC\n", "C\xE2" "ble - copy",
         mark + "name C\xC3\xA2" "ble - copy\r\ntitle \xC2\xB1" "12 V \xE2\x82\xAC\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(copied(c.text, c.name), c.renamed) << c.text;
}

TEST(MyCables, TheRootListsMyCablesLastOnlyWhileThereAreAny) {
    EXPECT_EQ(ListRows(0, {}), (Rows{"[   ] Cables", "[+] Computer", "[+] Audio-Video", "[+] AC Power adapters"}));
    const std::vector<ListedCable> mine = {{"DE-9 to DB-25 adapter", MyCableFile("a.txt")},
                                           {"broken.txt (error)", MyCableFile("broken.txt")}};
    EXPECT_EQ(ListRows(0, mine), (Rows{"[   ] Cables", "[+] Computer", "[+] Audio-Video", "[+] AC Power adapters",
                                       "[+] My cables"}));
    EXPECT_EQ(ListRows(1, mine), ListRows(1)) << "below the root nothing changes";

    int node = 0;
    EXPECT_EQ(Choose(node, 4, {}).kind, ChooseResult::Ignored) << "no row 4 without user cables";
    EXPECT_EQ(node, 0);
    EXPECT_EQ(Choose(node, 4, mine).kind, ChooseResult::MovedDown);
    EXPECT_EQ(node, MyCablesNode);
    EXPECT_EQ(CategoryPath(node), ">Cables\\My cables");
    EXPECT_EQ(ListRows(node, mine), (Rows{"[ - ] My cables", "      DE-9 to DB-25 adapter", "      broken.txt (error)"}));

    const struct {
        int row;
        ChooseResult::Kind kind;
        CableOrigin cable;
    } choices[] = {{1, ChooseResult::Picked, MyCableFile("a.txt")},
                   {2, ChooseResult::Picked, MyCableFile("broken.txt")},
                   {3, ChooseResult::Ignored, {}},
                   {-1, ChooseResult::Ignored, {}}};
    for (const auto& c : choices) {
        ChooseResult result = Choose(node, c.row, mine);
        EXPECT_EQ(result.kind, c.kind) << "row " << c.row;
        EXPECT_EQ(result.cable, c.cable) << "row " << c.row;
        EXPECT_EQ(node, MyCablesNode);
    }
    EXPECT_EQ(Choose(node, 0, mine).kind, ChooseResult::MovedUp);
    EXPECT_EQ(node, 0);
}

TEST(MyCables, FindAndTheConnectorChoicesTakeTheUsersCablesWithTheirNames) {
    // A table cable (nullmodem, 3-Wire, DB9-DB9), then three of the user's, the last without a name.
    const std::vector<Cable> cables = {indexed(TableRow(3), "", "DE-9", "female", "TxD"),
                                       indexed(MyCableFile("a.txt"), "Keyboard 10 lead", "Mini-DIN 6", "male", "CLK"),
                                       indexed(MyCableFile("b.txt"), "Keyboard 9 adapter", "DE-9", "female", "TxD"),
                                       indexed(MyCableFile("c.txt"), "", "RJ-45", "male", "TxD")};

    const struct {
        CableQuery query;
        std::vector<std::size_t> found;  // places in `cables`
    } cases[] = {
        {{"keyboard", "", "", false}, {2, 1}},
        {{"my cables", "", "", false}, {3, 2, 1}},
        {{"txd", "DE-9 female", "", false}, {2, 0}},
        {{"clk", "", "DB-25 male", false}, {1}},
        {{"", "Mini-DIN 6 female", "", true}, {1}},
    };
    for (const auto& c : cases) EXPECT_EQ(FindCables(cables, c.query), c.found) << c.query.words;
    EXPECT_EQ(FindCables({cables[0]}, {"keyboard", "", "", false}), std::vector<std::size_t>{}) << "the table's alone";
    EXPECT_EQ(cables[2].name, "Keyboard 9 adapter");
    EXPECT_EQ(cables[0].name, "nullmodem, 3-Wire, DB9-DB9");

    const std::vector<std::string> choices = ConnectorChoices(cables);
    EXPECT_EQ(choices, (Rows{"DB-25 male", "DE-9 female", "Mini-DIN 6 male", "RJ-45 male"}));
    EXPECT_EQ(CategoryOfCable(cables[2].origin), MyCablesNode);
}
