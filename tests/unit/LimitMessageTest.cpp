// Limits said in what the user counts (characters, rows, lines), each fault on the line that
// causes it, and every fault of a cable's drawings found in one compile.

#include <gtest/gtest.h>

#include "wiring/UserCable.h"

using namespace wiring;

namespace {

const std::string Head = "name T\nconnector start nine\nconnector end nine\n";
const std::string Ends = "title T\nstart A\nend B\ngender start female\ngender end female\n";
const SourceText Nine{"plug-nine.txt", "title Nine\nface dsub 5 4\ngender female\n"};

std::string longNotes() {
    std::string text;
    for (int i = 1; i <= 40; ++i) text += "use This is a note that goes on for a while to fill the notes up, line " + std::to_string(i) + "\n";
    return text;
}

std::string allErrors(const UserCable& cable) {
    std::string text;
    for (const SourceError& e : cable.errors) text += e.text() + "\n";
    return text;
}

}  // namespace

TEST(LimitMessages, EachLimitSaysItsCharactersOrRowsAndHowManyFit) {
    const SourceText longRows{"pinouts-nine.txt", "title P\nface plug nine\npin 1 DCD in (carrier detect from the\n"
                                                   "pin 2 RxD\npin 3 TxD out (transmit data from t\n"};
    std::string rowPins, wires;
    for (int i = 1; i <= 64; ++i) rowPins += "pin " + std::to_string(i) + " S" + std::to_string(i) + "\n";
    for (int i = 1; i <= 40; ++i) wires += "wire " + std::to_string(i) + " " + std::to_string(i) + " - -\n";
    const SourceText row{"plug-row.txt", "title Row\nface row 64\ngender male\n"};
    const SourceText manyRows{"pinouts-row.txt", "title P\nface plug row\n" + rowPins};
    const std::string rowHead = "name T\nconnector start row\nconnector end row\n";
    struct Case { std::string source; std::vector<SourceText> user; std::string expected; } cases[] = {
        {Head + "title T\nstart DE-9 on the personal computer side\nend DE-9 at the modem\ngender start female\n"
                "gender end female\nwire 2 3 - -\n",
         {Nine}, "c.txt:6: the start and end names take 51 characters; 26 fit side by side: shorten them\n"},
        {Head + Ends + "wire 2 3 SENSE_P_1_LONGNAME RxD\nwire 3 2 TxD RxD\n", {Nine},
         "c.txt:9: signal name 'SENSE_P_1_LONGNAME' has 18 characters; 12 fit beside 2 rows\n"},
        // The names on line 10 squeeze the colour on line 9: the names are at fault, each side its half.
        {Head + Ends + "wire 2 3 RxD RxD yellow\nwire 3 2 TRANSMIT_DATA_X RECEIVE_DATA_Y\n", {Nine},
         "c.txt:10: signal name 'TRANSMIT_DATA_X' has 15 characters; 5 fit beside 2 rows and 'yellow'\n"
         "c.txt:10: signal name 'RECEIVE_DATA_Y' has 14 characters; 6 fit beside 2 rows and 'yellow'\n"},
        {Head + Ends + "wire 2 3 - - yellow-green-with-a-long-stripe-of-black\n", {Nine},
         "c.txt:9: 'yellow-green-with-a-long-stripe-of-black' has 40 characters; 25 fit in the middle of the diagram\n"},
        {Head + "title A null modem cable for two personal computers side by side\nstart A\nend B\n"
                "gender start female\ngender end female\nwire 2 3 - -\n",
         {Nine}, "c.txt:4: the text 'A null modem cable for two personal computers side by side' has 58 characters; 23 fit "
         "across the drawing\n"},
        // The first row past the room is at fault: the 31st wire.
        {rowHead + Ends + wires, {row},
         "c.txt:39: 40 rows do not fit the diagram; 30 fit: join straight wires into a range (wire 2-9 2-9 ...)\n"},
        {Head + "pinouts start nine\n" + Ends + "wire 2 3 RxD -\n", {Nine, longRows},
         "pinouts-nine.txt:3: the text 'DCD in (carrier detect from the' has 31 characters; 30 fit in the pinout table\n"},
        {rowHead + "pinouts start row\n" + Ends + "wire 2 3 S2 -\n", {row, manyRows},
         "pinouts-row.txt:47: the pinout table has 64 rows; 44 fit: join rows\n"},
        {Head + Ends + "wire 2 3 - -\n" + longNotes(), {Nine}, "c.txt:10: the notes take 52 lines at the smallest text and the continuity check 9; 27 fit in each column: "
                 "shorten them\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(allErrors(CompileUserCable({"c.txt", c.source}, c.user, {})), c.expected) << c.source;
}

// A drawn strip whose numbers land on their neighbours, used at both ends, and a cable whose
// diagram and notes both fail: one compile names every fault once, file by file in line order.
TEST(LimitMessages, ADrawingsFaultsComeAllInOneCompileEachOnItsLine) {
    const SourceText strip{"plug-strip.txt",
                           "title Strip\nface custom\ngender male\noutline rect white -1500 -300 1500 300\n"
                           "contact 1 round -600 0 200 right\ncontact 2 round -450 0 200 right\ncontact 3 round 0 0 200 up\n"
                           "contact 4 round 150 0 200 left\ncontact 5 round 900 0 200 up\nmark 900 0 key\n"};
    const std::string source =
        "name T\nconnector start strip\nconnector end strip\n" + Ends + "wire 1 3 - - yellow-green-and-a-long-black-stripe\n" + longNotes();
    const UserCable cable = CompileUserCable({"c.txt", source}, {strip}, {});
    std::string places;
    for (const SourceError& e : cable.errors) places += e.file + ":" + std::to_string(e.line) + " ";
    EXPECT_EQ(places, "c.txt:9 c.txt:10 plug-strip.txt:5 plug-strip.txt:6 plug-strip.txt:7 plug-strip.txt:8 plug-strip.txt:9 "
                      "plug-strip.txt:10 ") << allErrors(cable);
    EXPECT_EQ(cable.errors[4].message, "the label \"3\" is crossed by a line (line 4); it cannot be read");
}
