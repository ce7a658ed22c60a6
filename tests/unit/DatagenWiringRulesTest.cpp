// The checks that tie a wiring source to its connectors' drawings, one test a rule: each refuses
// a small bad source with its file, line and message, and lets the good ones through.

#include <gtest/gtest.h>

#include <algorithm>

#include "DatagenSourceFolder.h"
#include "framework/FileBytes.h"
#include "NetlistFile.h"
#include "SourceSet.h"
#include "cables/WiringText.h"
#include "wiring/CableIndexEntry.h"
#include "wiring/CableLayout.h"
#include "wiring/EndGenders.h"
#include "wiring/NotesLayout.h"

using namespace wiring;

namespace {

// Cable 6 runs DE-9 to DE-9 with pinout 1 at both ends.
const char* const SerialPinouts =
    "title RS-232\nface plug 9\npin 1 DCD in\npin 2 RxD in\npin 3 TxD out\npin 4 DTR out\npin 5 GND\n"
    "pin 6 DSR in\npin 7 RTS out\npin 8 CTS in\n";

struct Case {
    std::string source;    // the wiring lines, from line 5 on
    std::string expected;  // the message after the folder, "" when the source passes
};

void expectCases(const SourceFolder& data, const std::vector<Case>& cases, const std::string& genders = Genders) {
    for (const Case& c : cases) {
        data.cable(6, c.source, genders);
        const std::string error = data.loadError(6);
        if (c.expected.empty()) EXPECT_EQ(error, "") << c.source;
        else EXPECT_EQ(error.substr(error.find("cable-006.txt")), c.expected) << c.source;
    }
}

}  // namespace

TEST(DatagenWiringRules, SignalNamesAgreeWithThePinoutRows) {
    SourceFolder data;
    data.write("connectors/pinouts-001.txt", SerialPinouts);
    expectCases(data, {
        {"wire 3 2 TxD RxD\nwire 5 5 GND GND\nwire 2 3 RxD DTR\n",
         "cable-006.txt:7: end contact 3 is \"TxD out\" on the pinout drawing pinouts-001.txt, not \"DTR\": correct the "
         "wire, or declare 'alias DTR = <the row's text>' if both name one signal"},
        {"wire 5 5 GND GND\njumper start 7 8 RTS DSR\n",
         "cable-006.txt:6: start contact 8 is \"CTS in\" on the pinout drawing pinouts-001.txt, not \"DSR\": correct the "
         "wire, or declare 'alias DSR = <the row's text>' if both name one signal"},
        {"wire 5 5 GND GND\nwire 9 9 RI RI\n",
         "cable-006.txt:6: start contact 9 is not on the pinout drawing pinouts-001.txt: wire only the contacts it lists"},
        {"wire 5 5 GND GND\nwire 3 2 - RxD\n",
         "cable-006.txt:6: start contact 3 needs its signal name: the pinout drawing pinouts-001.txt calls it \"TxD out\""},
        {"alias Tx = Transmit\nwire 5 5 GND GND\n", "cable-006.txt:5: no row of the pinout drawings reads \"Transmit\""},
        {"pinouts start 1\nwire 5 5 GND GND\n",
         "cable-006.txt:5: the cable table pairs pinout drawing 1 with this end already"},
        // Direction words and a declared alias agree.
        {"alias Tx = TxD out\nwire 3 2 Tx RxD\nwire 5 5 GND GND\njumper end 7 8 RTS CTS\n", ""},
    });
}

TEST(DatagenWiringRules, ReturnsAndSuppliesAreWiredOrFreedWithAReason) {
    SourceFolder data;
    data.write("connectors/pinouts-001.txt", SerialPinouts);
    expectCases(data, {
        {"wire 3 2 TxD RxD\n",
         "cable-006.txt:3: start contact 5 is \"GND\" but neither wired nor free: wire it, or give the reason with "
         "'free start 5 <reason>'"},
        {"wire 3 2 TxD RxD\nwire 5 5 GND GND\nfree end 5 the shell carries it\n",
         "cable-006.txt:7: end contact 5 is wired on line 6: it cannot be free as well"},
        {"wire 3 2 TxD RxD\nfree start 5\n",
         "cable-006.txt:6: 'free' takes a side, contacts and the reason they stay free: free end 8 joystick 2 takes its "
         "supply from 1"},
        {"wire 3 2 TxD RxD\nfree start 5 a test of the reason\nfree end 5 a test of the reason\n", ""},
    });
    // The game-port Y-cables as they were: neither joystick got contact 5, and the sound card
    // cable left 8 and the MIDI contacts undecided.
    data.copyReal("connectors/plug-010.txt");
    data.copyReal("connectors/pinouts-005.txt");
    const std::string head = "title Joystick Y-cable\nstart DA-15 (PC)\nend 2 x DA-15\nbranch A Joystick 1\nbranch B Joystick 2\n";
    const std::string joystickA = "wire 1 A:1 +5V +5V\nwire 2 A:2 A-B1 Button1\nwire 3 A:3 A-X X\nwire 4 A:4 GND GND\n"
                                  "wire 6 A:6 A-Y Y\nwire 7 A:7 A-B2 Button2\n";
    const std::string joystickB = "wire 9 B:1 +5V +5V\nwire 10 B:2 B-B1 Button1\nwire 11 B:3 B-X X\nwire {G} B:4 GND GND\n"
                                  "wire 13 B:6 B-Y Y\nwire 14 B:7 B-B2 Button2\nuse U\ncable C\nsource S\n";
    for (const auto& [ground, number, expected] :
         {std::tuple<const char*, int, const char*>{"12", 47, "cable-047.txt:2: start contact 5 is \"GND\""},
          {"5", 48, "cable-048.txt:2: start contact 8 is \"+5 V\""}}) {
        std::string b = joystickB;
        b.replace(b.find("{G}"), 3, ground);
        data.write("cables/cable-0" + std::to_string(number) + ".txt", head + joystickA + b);
        const std::string error = data.loadError(number);
        EXPECT_NE(error.find(std::string(expected) + " but neither wired nor free"), std::string::npos) << error;
    }
}

TEST(DatagenWiringRules, GendersAreStatedAndWrittenOut) {
    SourceFolder data;
    expectCases(data, {{"wire 3 2 TxD RxD\n",
                        "cable-006.txt:1: no 'gender end' line: say whether the end connector of the cable is male or "
                        "female"}},
                "gender start female\n");
    data.write("cables/cable-006.txt",
               "title T\nstart DE-9 male\nend DE-9\nwire 3 2 TxD RxD\nuse U\ncable C\nsource S\n" + Genders);
    const std::string error = data.loadError(6);
    EXPECT_EQ(error.substr(error.find("cable-006.txt")),
              "cable-006.txt:2: the start name \"DE-9 male\" says male, but line 8 states female");
    // The DE-9 drawing shows the female face: a male end must be mirrored, in words.
    struct Words {
        std::string genders;
        std::string start, end, both;
        std::string paragraph;
    };
    for (const Words& w : std::vector<Words>{
             {Genders, "female", "female", "", ""},
             {"gender start female\ngender end male\n", "female", "male: mirror the drawing", "",
              "The end's drawing shows the female face; this end is male: mirror it."},
             {"gender start male\ngender end male\n", "", "", "both male: mirror both drawings",
              "Both drawings show the female face; both ends are male: mirror them."}}) {
        data.cable(6, "wire 3 2 TxD RxD\n", w.genders);
        const CableSource cable = loadCable(data.path.string(), 6);
        const GenderLine line = genderLine(cable, 220, 3720);
        EXPECT_EQ(line.start + "|" + line.end + "|" + line.both, w.start + "|" + w.end + "|" + w.both) << w.genders;
        EXPECT_EQ(endsParagraph(cable), w.paragraph);
    }
}

TEST(DatagenWiringRules, PositionWordsNameTheirView) {
    SourceFolder data;
    const std::string view =
        "\" places a contact without naming the view: say \"mating face\" as the connector drawing does, or \"solder "
        "side\" or \"seen from the cable\"";
    expectCases(data, {
        // The console cables' caution as it was.
        {"wire 3 2 TxD RxD\ncaution RJ-45 numbers: contacts up, tab down, 1 on the left (see the connector drawing).\n",
         "cable-006.txt:6: \"on the left" + view},
        {"wire 3 2 TxD RxD\ncaution Seen from the cable it is easy. Pin 1 is at the top.\n",
         "cable-006.txt:6: \"at the top" + view},
        {"wire 3 2 TxD RxD\ncaution Contact 1 is\ncaution on the right.\n", "cable-006.txt:7: \"on the right" + view},
        {"wire 3 2 TxD RxD\ncaution On the mating face 1 is on the right; seen from the cable, 1 is on the left.\n"
         "variant TxD+ (6) is left free; left and right channels.\n",
         ""},
    });
}

TEST(DatagenWiringRules, TheNetlistFileIsUpToDate) {
    const std::string kept = ReadFileBytes(std::string(SOURCE_DIR) + "/data/netlists.txt", 1 << 20).bytes;
    EXPECT_TRUE(kept == netlistFileText(loadAllCables(std::string(SOURCE_DIR) + "/data")))
        << "data/netlists.txt differs from the wiring sources: run 'datagen netlists' and review the diff";
    SourceFolder data;
    data.cable(6, "wire 4 6 DTR DSR\njumper end 6 1 DSR DCD\nwire 3 2 TxD RxD\n");
    const std::string text = netlistFileText({loadCable(data.path.string(), 6)});
    EXPECT_EQ(text.substr(text.find("\ncable")), "\ncable 006: Test\nE6 E1\nS3 E2\nS4 E6\n");
}

TEST(DatagenWiringRules, NotesAreAsExactAsTheWires) {
    SourceFolder data;
    // 8 left out of the drawing, 9 its key.
    std::string pinouts = SerialPinouts;
    pinouts.replace(pinouts.find("pin 8 CTS in"), 12, "pin 9 key");
    data.write("connectors/pinouts-001.txt", pinouts);
    const std::string wired = "wire 3 2 TxD RxD\nwire 5 5 GND GND\n";  // lines 5 and 6
    const std::string view =
        "\" places a contact without naming the view: say \"mating face\" as the connector drawing does, or \"solder "
        "side\" or \"seen from the cable\"";
    const std::string rear =
        "\" is the mirror image of the mating face the drawing shows: say so in the same sentence (\"the mirror of the "
        "drawing\")";
    const std::string noPair = ": no probe reaches it, so no wire, jumper or continuity pair may end there";
    expectCases(data, {
        {wired + "wire 9 9 key key\n",
         "cable-006.txt:7: start contact 9 is the key on the pinout drawing pinouts-001.txt (\"key\")" + noPair},
        {wired + "jumper end 7 8\n",
         "cable-006.txt:7: end contact 8 is left out of the pinout drawing pinouts-001.txt: no wire, jumper or "
         "continuity pair may end on a contact the drawing does not show"},
        {wired + "cable One core.\n",
         "cable-006.txt:7: \"One core\" is too few: the wiring needs 2 conductors (connections end to end, the shield "
         "apart); offer at least 2, or write {cores} for the count the build makes"},
        {"wire 3 2 TxD RxD\nwire 2 3 RxD TxD\nwire 5 5 GND GND\ncable A 1-core screened cable.\n",
         "cable-006.txt:8: \"1-core\" is too few: the wiring needs 2 conductors besides the screen (3 connections end to "
         "end, 1 of them grounds); offer at least 2, or write {cores} for the count the build makes"},
        {wired + "use Wire N left, L right.\n", "cable-006.txt:7: \"N left" + view},
        {wired + "variant Earth top left.\n", "cable-006.txt:7: \"Earth top" + view},
        {wired + "cable Keep the lower row short.\n", "cable-006.txt:7: \"the lower" + view},
        {wired + "caution Line lies\ncaution below neutral.\n", "cable-006.txt:8: \"lies below" + view},
        {wired + "check Then from the bottom contact.\n", "cable-006.txt:7: \"from the bottom" + view},
        {wired + "source Wiki (active top left seen from the rear).\n", "cable-006.txt:7: \"seen from the rear" + rear},
        {wired + "source A plug, seen from the back; L bottom right.\n", "cable-006.txt:7: \"seen from the back" + rear},
        {wired + "source Wiki (active top left seen from the rear, the mirror of the drawing).\n"
                 "variant Left channel to 6, 13 A above 700 W; 4 is left free.\ncable One screened core.\n",
         ""},
    });
}

TEST(DatagenWiringRules, YCablesCountTheCoresOfEachLead) {
    SourceFolder data;
    data.copyReal("connectors/plug-010.txt");
    data.copyReal("connectors/pinouts-005.txt");
    data.copyReal("cables/cable-047.txt");
    // The notes say the counts the build makes: 8 to each joystick, 14 from the PC.
    std::string notes;
    for (const CableNote& note : loadCable(data.path.string(), 47).notes)
        if (note.section == NoteSection::Cable) notes += note.text + " ";
    EXPECT_EQ(notes, "Two 8-core leads from a moulded splitter, or one 14-core cable to a splitter at the joysticks; up "
                     "to 2 m each. ");
    const std::string source = ReadFileBytes((data.path / "cables/cable-047.txt").string(), MaxSourceBytes).bytes;
    const std::size_t line = source.find("cable Two");
    for (const auto& [offer, expected] : std::vector<std::pair<std::string, std::string>>{
             {"cable Two 8-core leads from a moulded splitter, or 12 cores; up to 2 m each.",
              "\"12 cores\" is too few: the wiring needs 14 conductors (connections end to end, the shield apart); "
              "offer at least 14, or write {cores} for the count the build makes"},
             {"cable Two 7-core leads from a moulded splitter; up to 2 m each.",
              "\"7-core leads\" is too few: the lead to plug A needs 8 conductors; offer at least 8, or write {lead "
              "cores} for the count the build makes"}}) {
        data.write("cables/cable-047.txt",
                   source.substr(0, line) + offer + source.substr(source.find('\n', source.find('\n', line) + 1)));
        const std::string error = data.loadError(47);
        EXPECT_EQ(error.substr(error.find("cable-047.txt")), "cable-047.txt:38: " + expected);
    }
}

TEST(DatagenWiringRules, NotesOfferOnlyTheShieldWiredAndNameOtherCablesExactly) {
    SourceFolder data;
    const std::string wired = "wire 3 2 TxD RxD\n";  // line 5
    expectCases(data, {
        {wired + "cable 3 cores and an overall shield.\n",
         "cable-006.txt:6: \"an overall shield\" is offered, but no shield is wired: add a 'shield' line (or a 'free' "
         "shield contact with its reason), or offer none"},
        {wired + "shield SHELL -\nvariant This cable has no shield.\n",
         "cable-006.txt:6: a shield is wired here, but line 7 says \"no shield\": mend one of them"},
        {wired + "free end 1 unscreened: the ground is 5\ncable Two screened cores.\n",
         "cable-006.txt:7: \"screened\" offers a shield, but line 6 says \"unscreened\": offer none, or wire one"},
        {wired + "variant For the other way use\nvariant the \"audio out\" cable.\n",
         "cable-006.txt:7: \"audio out\" is part of a cable's name but not all of it (cable 11 \"SCART (VHS)-RCA audio "
         "out\", cable 44 \"SCART (SVHS)-RCA audio out\"): name the cable meant with {cable N}"},
        {wired + "caution Not this one: {cable 6}.\n",
         "cable-006.txt:6: {cable 6} names this cable itself: a note sends the reader to another cable"},
        {wired + "use See {cable 99}.\n", "cable-006.txt:6: {cable 99} names no cable: there is no cable 99 in the list"},
        {wired + "unconfirmed\n", "cable-006.txt:6: 'unconfirmed' takes the reason no public reference confirms the wiring"},
        // A screen that carries the ground is wired; inches, a plug's quoted name and a whole name are no cuts.
        {wired + "wire 5 5 GND GND\ncable Two screened audio cores.\n", ""},
        {wired + "shield SHELL -\ncable 3 cores and an overall shield.\n", ""},
        {wired + "variant A 5.25\" drive, the \"S\" outlet, \"SCART (VHS)-RCA audio out\".\n", ""},
    });
    data.cable(6, wired + "variant Or use {cable 11}.\n");
    const CableSource cable = loadCable(data.path.string(), 6);
    const auto paragraphs = notesParagraphs(cable);
    const auto variant = std::find_if(paragraphs.begin(), paragraphs.end(), [](const auto& p) { return p.first == "Variant"; });
    ASSERT_NE(variant, paragraphs.end());
    EXPECT_EQ(variant->second, "Or use \"SCART (VHS)-RCA audio out\", cable 11.");
}

TEST(DatagenWiringRules, AnUnconfirmedWiringSaysSoWhereverTheCableIsShown) {
    SourceFolder data;
    data.cable(6, "wire 3 2 TxD RxD\nunconfirmed No page shows\nunconfirmed this wiring.\n");
    const CableSource cable = loadCable(data.path.string(), 6);
    const Sketch diagram = layoutCableDiagram(cable);
    const auto warning = std::find_if(diagram.shapes().begin(), diagram.shapes().end(),
                                      [](const Shape& s) { return s.text == UnconfirmedWarning; });
    ASSERT_NE(warning, diagram.shapes().end());
    EXPECT_GT(warning->points.front().y, 3000) << "the warning stands in the heading, under the title";
    const auto first = notesParagraphs(cable).front();
    EXPECT_EQ(first.first + ": " + first.second, std::string(UnconfirmedHeading) + ": No page shows this wiring.");
    const ConnectorSet connectors = loadConnectors((data.path / "connectors").string());
    const IndexedCable entry = indexCable(cable, *connectors.plug(9), *connectors.plug(9));
    const std::string index = FormatCableIndex({{entry}});
    EXPECT_NE(index.find("UNCONFIRMED\tNo page shows this wiring.\r\n"), std::string::npos) << index;
    EXPECT_EQ(ParseCableIndex(index).index.cables.front().unconfirmed, "No page shows this wiring.");
    EXPECT_NE(WiringText(entry, "Test").find("UNCONFIRMED WIRING: No page shows this wiring.\r\n"), std::string::npos);
}
