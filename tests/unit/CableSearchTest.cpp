// Finding cables by words and connectors, over the index datagen makes from data/, and a cable's
// wiring as text and CSV.

#include <gtest/gtest.h>

#include "RealCableIndex.h"
#include "cables/CableSearch.h"
#include "cables/CableTable.h"
#include "cables/WiringText.h"

using namespace wiring;

namespace {
// The cables in use whose two ends are families a and b, either way round.
std::vector<int> withEnds(const std::string& a, const std::string& b) {
    std::vector<int> numbers;
    for (const IndexedCable& c : realIndex().cables)
        if ((c.start.family == a && c.end.family == b) || (c.start.family == b && c.end.family == a))
            numbers.push_back(c.number);
    return numbers;
}

std::vector<int> sorted(std::vector<int> numbers) {
    return std::sort(numbers.begin(), numbers.end()), numbers;
}

// The search over the table's cables of an index, by their row numbers.
std::vector<int> FindCables(const CableIndex& index, const CableQuery& query) {
    const std::vector<Cable> cables = TableCables(index);
    std::vector<int> rows;
    for (std::size_t found : ::FindCables(cables, query)) rows.push_back(cables[found].origin.tableRow);
    return rows;
}

std::vector<std::string> ConnectorChoices(const CableIndex& index, bool mating = false) {
    return ::ConnectorChoices(TableCables(index), mating);
}

int CategoryOfCable(int row) { return ::CategoryOfCable(TableRow(row)); }
}  // namespace

TEST(CableSearch, QueriesFindTheCablesTheyDescribe) {
    const struct {
        CableQuery query;
        std::vector<int> cables;  // in the order the list shows them
    } cases[] = {
        // names, natural order: DB9 before DB25, type 2 before type 10
        {{"nullmodem"}, {51, 3, 2, 1, 6, 5, 4}},
        // the full handshake ones name the 3-wire ones in their notes
        {{"NULLMODEM 3-wire"}, {3, 2, 1, 6, 5, 4}},
        // a category path: >Cables\Computer\Data transfer\Serial\RS232, and two names
        {{"rs232"}, {54, 55, 3, 2, 1, 6, 5, 4}},
        {{"", "SCART male", "RCA male"}, {43, 44, 10, 11, 14, 15}},
        {{"centronics"}, {8}},
        {{"joystick"}, {48, 47}},
        // signal names with a connector choice
        {{"dcd", "Mini-DIN 8 male"}, {54, 38, 45, 37, 42, 55}},
        {{"txd  rxd", "DE-9 female", "DE-9 female"}, {3, 6}},
        // the genders the sources state: the Mac end of 53 is male, drawn as the female face mirrored
        {{"txd", "DE-9 male", "DE-9 female"}, {53}},
        {{"", "DE-9 female", "DB-25 female"}, {2, 5}},
        {{"", "DB-25 female", "DE-9 male"}, {52}},
        {{"", "DE-9 female", "DB-25 male"}, {}},
        // the connectors in hand: a DE-9 female lead and a DB-25 male port take the Mac 512 cable,
        // two male serial ports the null modems
        {{"", "DE-9 female", "DB-25 male", true}, {52}},
        {{"", "DB-25 male", "DE-9 male", true}, {2, 5}},
        {{"nullmodem", "DE-9 male", "", true}, {3, 2, 6, 5}},
        {{"zzz"}, {}},
        {{"type 1", "T65 outlet female", "Mains plug type 1 male"}, {60}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindCables(realIndex(), c.query), c.cables)
            << "'" << c.query.words << "' [" << c.query.start << "] [" << c.query.end << "]"
            << (c.query.mating ? " mating" : "");
}

TEST(CableSearch, ConnectorFamiliesAsWordsFindTheCablesWithThoseEnds) {
    EXPECT_EQ(sorted(FindCables(realIndex(), {"de-9 db-25"})), withEnds("DE-9", "DB-25"));
    EXPECT_EQ(sorted(FindCables(realIndex(), {"DE-9 db-25"})), (std::vector<int>{2, 5, 52}));
    EXPECT_EQ(sorted(FindCables(realIndex(), {"rj-45 de-9"})), withEnds("8P8C", "DE-9"));
}

TEST(CableSearch, ConnectorChoicesFitEitherWayRound) {
    const std::vector<std::string> choices = ConnectorChoices(realIndex());
    for (const char* choice : {"DE-9 female", "DB-25 female", "RCA male", "Mains plug type 10 male"})
        EXPECT_NE(std::find(choices.begin(), choices.end(), choice), choices.end()) << choice;
    EXPECT_LT(std::find(choices.begin(), choices.end(), "Mains plug type 2 male"),
              std::find(choices.begin(), choices.end(), "Mains plug type 10 male"));
    for (const std::string& a : choices) {
        for (const std::string& b : {std::string("DE-9 female"), std::string("RCA male"), std::string()})
            EXPECT_EQ(FindCables(realIndex(), {"", a, b}), FindCables(realIndex(), {"", b, a})) << a << " / " << b;
    }
    EXPECT_EQ(FindCables(realIndex(), {"", "", ""}).size(), realIndex().cables.size());
    // no choice offered lists nothing, for the cables' own ends and for the connectors in hand
    for (const bool mating : {false, true})
        for (const std::string& choice : ConnectorChoices(realIndex(), mating))
            EXPECT_FALSE(FindCables(realIndex(), {"", choice, "", mating}).empty()) << choice << mating;
    const std::vector<std::string> inHand = ConnectorChoices(realIndex(), true);
    EXPECT_NE(std::find(inHand.begin(), inHand.end(), "DB-25 male"), inHand.end());
}

TEST(CableSearch, ChoicesSortByTheValueOfTheirNumbersHoweverLong) {
    // A damaged index may carry numbers no integer holds; they sort by value and stop nothing.
    const char* families[] = {"Type 10", "Type 99999999999999999999999", "type 2", "Type 0003", "Type 100000000000000000000000"};
    CableIndex index;
    for (int i = 0; i < 5; ++i) {
        IndexedCable cable;
        cable.number = i + 1;
        cable.start = {families[i], "male", "", ""};
        cable.end = cable.start;
        index.cables.push_back(cable);
    }
    EXPECT_EQ(ConnectorChoices(index), (std::vector<std::string>{"type 2 male", "Type 0003 male", "Type 10 male",
                                                                 "Type 99999999999999999999999 male",
                                                                 "Type 100000000000000000000000 male"}));
}

TEST(CableSearch, TheFoundCableTakesTheSelectionDialogToItsFirstList) {
    EXPECT_EQ(CategoryOfCable(6), 4);    // RS232
    EXPECT_EQ(CategoryOfCable(30), 11);  // Audio, before SCART (SVHS)
    EXPECT_EQ(CategoryOfCable(80), 23);  // T65, before Type "S"
    EXPECT_EQ(CategoryOfCable(0), -1) << "only unreachable lists hold cable 0";
}

TEST(WiringText, TextAndCsvOfACable) {
    const IndexedCable& six = *realIndex().find(6);
    const std::string text = WiringText(six, Catalog.cables[6].name);
    EXPECT_EQ(text.substr(0, text.find("Wires")),
              "nullmodem, DB9-DB9\r\nNull modem, full handshake\r\n"
              "Start: DE-9 female, DE-9 (PC 1)\r\nEnd: DE-9 female, DE-9 (PC 2)\r\n\r\n");
    for (const char* line : {"\r\nS3 TxD -> E2 RxD\r\n", "\r\nJumpers:\r\nE6 DSR -> E1 DCD\r\nS6 DSR -> S1 DCD\r\n",
                             "\r\nShield:\r\nSSHELL -> open\r\n", "\r\nS8 - E7\r\nE6 - E1\r\nS6 - S1\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from\n" << text;
    const std::string last = "No beep between any other two contacts.\r\n";
    EXPECT_EQ(text.substr(text.size() - last.size()), last);

    IndexedCable quoted = six;
    quoted.wires = {{"wire", "S1", "a,b", "E1", "say \"hi\"", "red"}};
    quoted.parts.clear();
    EXPECT_EQ(WiringCsv(quoted),
              "start contact,start signal,end contact,end signal,colour,kind\r\nS1,\"a,b\",E1,\"say \"\"hi\"\"\",red,wire\r\n");
}
