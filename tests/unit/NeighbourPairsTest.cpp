// The neighbour pairs of a face (the contacts a solder bridge joins), the chains the checklist
// writes them as, and their records in the cable index.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "DatagenCableFixture.h"
#include "datafiles/Continuity.h"
#include "wiring/NeighbourPairs.h"
#include "wiring/NotesLayout.h"

namespace {
using PairSet = std::set<std::set<std::string>>;

bool everyContact(const std::string&) { return true; }
bool everyPair(const std::string&, const std::string&) { return true; }

PairSet unordered(const std::vector<ContactPair>& pairs) {
    PairSet set;
    for (const auto& [a, b] : pairs) set.insert({a, b});
    return set;
}

// "1-2 2-3": pairs as hand-counted, written out.
PairSet written(const std::string& text) {
    PairSet set;
    std::istringstream words(text);
    for (std::string w; words >> w;) set.insert({w.substr(0, w.find('-')), w.substr(w.find('-') + 1)});
    return set;
}

Face faceOf(const std::string& file, const std::string& text) {
    return parseConnector(splitSourceText(text, file), ConnectorKind::Plug, 1, file, nullptr).face;
}

std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(SOURCE_DIR) + "/data/connectors/" + name);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

TEST(NeighbourPairs, EachFaceFamilyGivesItsHandCountedPairs) {
    // DB-25: 14 sits between 1 and 2, so the zigzag runs 1-14-2-15-...-25-13.
    std::string db25;
    for (int i = 1; i <= 12; ++i) db25 += std::to_string(i) + "-" + std::to_string(i + 13) + " " + std::to_string(i + 13) + "-" + std::to_string(i + 1) + " ";
    for (int i = 1; i <= 24; ++i) if (i != 13) db25 += std::to_string(i) + "-" + std::to_string(i + 1) + " ";
    const struct {
        const char* family;
        Face face;
        std::string pairs;
        std::size_t count;
    } cases[] = {
        {"DE-9", buildDsub(5, 4), "1-2 2-3 3-4 4-5 6-7 7-8 8-9 1-6 6-2 2-7 7-3 3-8 8-4 4-9 9-5", 15},
        {"DB-25", buildDsub(13, 12), db25, 47},
        {"HD-15", buildHighDensity15(),
         "1-2 2-3 3-4 4-5 6-7 7-8 8-9 9-10 11-12 12-13 13-14 14-15 6-1 1-7 7-2 2-8 8-3 3-9 9-4 4-10 10-5 "
         "6-11 11-7 7-12 12-8 8-13 13-9 9-14 14-10 10-15", 30},
        {"8P8C", buildModular(8), "1-2 2-3 3-4 4-5 5-6 6-7 7-8", 7},
        {"DIN-5 180", faceOf("plug-004.txt", dataFile("plug-004.txt")), "3-5 5-2 2-4 4-1", 4},
        {"mains type 2", faceOf("plug-041.txt", dataFile("plug-041.txt")), "L-N L-PE N-PE", 3},
        // A user's face: a square of four, whose diagonals have a corner between them, and a fifth
        // contact far off to the right.
        {"custom", faceOf("plug-mine.txt", "title Mine\nface custom\ngender male\ncontact A round 0 0 100 up\n"
                                           "contact B round 600 0 100 up\ncontact C round 0 600 100 up\n"
                                           "contact D round 600 600 100 up\ncontact F round 3000 300 100 up\n"),
         "A-B A-C B-D C-D B-F D-F", 6},
    };
    for (const auto& c : cases) {
        const std::vector<ContactPair> pairs = neighbourPairs(c.face, everyContact, everyPair);
        EXPECT_EQ(pairs.size(), c.count) << c.family;
        EXPECT_EQ(unordered(pairs), written(c.pairs)) << c.family;
    }
}

TEST(NeighbourPairs, AKeyAndWhatTheWiringJoinsAreNotAskedAndTheRestWalkAsChains) {
    const Face de9 = buildDsub(5, 4);
    const std::vector<ContactPair> pairs = neighbourPairs(
        de9, [](const std::string& c) { return c != "9"; },
        [](const std::string& a, const std::string& b) { return !(a == "1" && b == "6"); });
    EXPECT_EQ(unordered(pairs), written("1-2 2-3 3-4 4-5 6-7 7-8 6-2 2-7 7-3 3-8 8-4"));
    std::vector<QuietPair> quiet;
    for (const auto& [a, b] : pairs) quiet.push_back({"S" + a, "S" + b});
    EXPECT_EQ(QuietChainLines(quiet), (std::vector<std::string>{"Start: 1-2-3-4-5, 4-8-7-6-2-7-3-8"}));
}

TEST(NeighbourPairs, ChecklistLinesShortenEvenChainsAndRunsAndShareLikeEnds) {
    auto chain = [](const std::string& side, std::vector<std::string> contacts) {
        std::vector<QuietPair> pairs;
        for (std::size_t i = 0; i + 1 < contacts.size(); ++i) pairs.push_back({side + contacts[i], side + contacts[i + 1]});
        return pairs;
    };
    std::vector<QuietPair> quiet = chain("S", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"});
    for (int i = 1; i < 40; i += 2) quiet.push_back({"E" + std::to_string(i), "E" + std::to_string(i + 1)});
    const std::vector<QuietPair> odd = chain("E", {"A", "B", "C", "D", "EE", "F", "G", "H", "I", "J", "K"});
    quiet.insert(quiet.end(), odd.begin(), odd.end());
    for (const char* branch : {"EL:", "ER:"}) quiet.push_back({std::string(branch) + "C", std::string(branch) + "S"});
    EXPECT_EQ(QuietChainLines(quiet), (std::vector<std::string>{"Start: 1-2-3-4-...-12-13",
                                                                 "End: 1-2, 3-4, ..., 39-40, A-B-C-D-EE-F-G-H-I-J, J-K",
                                                                 "End L, End R: C-S"}));
}

TEST(NeighbourPairs, TheCableIndexCarriesThemAndCable3HasTwoDE9Ends) {
    IndexedCable cable;
    cable.number = 3;
    cable.title = "T";
    cable.start = cable.end = {"DE-9", "female", "DE-9", "PC"};
    cable.quiet = {{"S1", "S2"}, {"EL:C", "EL:S"}};
    cable.unplacedEnds = {"E"};
    const CableIndexReading reading = ParseCableIndex(FormatCableIndex({{cable}}));
    ASSERT_TRUE(reading.ok) << reading.error;
    EXPECT_EQ(reading.index.cables[0], cable);
    const std::string head = "CABLE\t001\tT\nSTART\tDE-9\tfemale\tx\tPC\nEND\tDE-9\tmale\tx\tPC\n";
    EXPECT_EQ(ParseCableIndex(head + "QUIET\tS1\tE2\n").error, "line 4: a quiet pair lies on one end: S1 and E2 do not");
    EXPECT_EQ(ParseCableIndex(head + "QUIET\tS1\n").error, "line 4: a QUIET line has three fields: QUIET, contact, contact");

    const CableSource real = realCable(3);  // jumpers 7-8 and 6-1 on both ends
    EXPECT_EQ(QuietChainLines(real.quietPairs),
              (std::vector<std::string>{"Start, End: 1-2-3-4-5-9-8-3-7-6, 6-2-7, 8-4-9"}));
}

TEST(NeighbourPairs, FullNotesSayThemInShortWithTheJoinedNeighboursAsExceptions) {
    const CableSource printer = realCable(8);  // the end's grounds jumpered in pairs
    EXPECT_EQ(QuietShortText(printer.quietPairs, printer.joinedNeighbours),
              "Silent between every two contacts side by side on Start; on End but 19-20, 21-22, 23-24, 25-26, 28-29.");
    const CableSource scsi = realCable(82);
    EXPECT_EQ(QuietShortText(scsi.quietPairs, scsi.joinedNeighbours), "Silent between every two contacts side by side on Start and End.");
    const Sketch sketch = layoutCableNotes(printer, "printer cable DB25-Centronics");
    std::string notes;
    for (const Shape& s : sketch.shapes())
        if (s.kind == Shape::Kind::Text) notes += s.text + (s.textHeight >= 220 ? " " : " (too small) ");
    EXPECT_NE(notes.find("on End but 19-20, 21-22, 23-24,"), std::string::npos) << notes;
    EXPECT_EQ(notes.find("too small"), std::string::npos) << notes;
}
