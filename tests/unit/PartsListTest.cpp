// What is bought to make a cable: gauges and lengths read and shown in both systems, and the parts
// list worked out from the source into the notes, the cable index, Copy wiring and Find cable.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "Build.h"
#include "CableIndexWriter.h"
#include "cables/Cable.h"
#include "cables/CableSearch.h"
#include "cables/WiringText.h"
#include "wiring/UserCable.h"
#include "wiring/WireSize.h"

using namespace wiring;

namespace {

// A <pre id="..."> block of the manual, as a user would type it.
std::string manualBlock(const std::string& id) {
    std::ifstream in(std::string(SOURCE_DIR) + "/docs/manual/manual.html", std::ios::binary);
    std::ostringstream html;
    html << in.rdbuf();
    const std::string text = html.str();
    const std::string open = "<pre id=\"" + id + "\">";
    const std::size_t start = text.find(open);
    if (start == std::string::npos) return std::string();
    std::string block = text.substr(start + open.size(), text.find("</pre>", start) - start - open.size());
    for (std::size_t at; (at = block.find("&amp;")) != std::string::npos;) block.replace(at, 5, "&");
    return block;
}

const IndexedNote* note(const IndexedCable& cable, const std::string& heading) {
    for (const IndexedNote& n : cable.notes)
        if (n.heading == heading) return &n;
    return nullptr;
}

}  // namespace

TEST(WireSizes, GaugesAgreeWithTheStandardTableBothWays) {
    // ASTM B258 / the AWG table: gauge and cross-section in mm2.
    const struct {
        int awg;
        double squareMm;
    } table[] = {{-3, 107.2}, {0, 53.49}, {10, 5.261}, {14, 2.081}, {18, 0.8231}, {20, 0.5176},
                 {22, 0.3255}, {24, 0.2047}, {26, 0.1287}, {28, 0.0810}, {30, 0.0509}, {40, 0.00501}};
    for (const auto& row : table) {
        EXPECT_NEAR(awgSquareMillimetres(row.awg), row.squareMm, row.squareMm * 0.005) << row.awg << " AWG";
        EXPECT_EQ(nearestAwg(row.squareMm), row.awg);
    }
    const struct {
        const char* given;
        const char* shown;  // empty: refused
    } cases[] = {
        {"24 AWG", "24 AWG (0.205 mm\xB2)"}, {"24awg", "24 AWG (0.205 mm\xB2)"}, {"4/0 AWG", "4/0 AWG (107 mm\xB2)"},
        {"28 AWG", "28 AWG (0.0810 mm\xB2)"}, {"0.25 mm2", "0.25 mm\xB2 (about 23 AWG)"},
        {"0.75mm\xB2", "0.75 mm\xB2 (about 18 AWG)"}, {"1.5 mm2", "1.5 mm\xB2 (about 15 AWG)"},
        {"24", ""}, {"41 AWG", ""}, {"0,5 mm2", ""}, {"5/0 AWG", ""},
    };
    for (const auto& c : cases) {
        WireGauge gauge;
        const std::string problem = readGauge(c.given, gauge);
        EXPECT_EQ(problem.empty() ? gauge.text() : std::string(), c.shown) << c.given << ": " << problem;
    }
    CableLength length;
    EXPECT_EQ(readLength("6", "ft", length), "");
    EXPECT_EQ(length.text(), "6 ft (1.83 m)");
    EXPECT_EQ(readLength("2", "yd", length), "'yd' is no unit of length (m, cm, mm, ft, in)");
}

TEST(PartsList, TheManualsSecondExampleListsItsPartsInNotesIndexCopyAndFind) {
    const UserCable cable =
        CompileUserCable({"Sensor lead.txt", manualBlock("my-cable-example-2")},
                         {{"plug-xh4.txt", manualBlock("my-plug-xh4")}, {"plug-terminal4.txt", manualBlock("my-plug-terminal4")}},
                         {});
    ASSERT_TRUE(cable.ok) << cable.error().text();
    const std::vector<IndexedPart> parts = {
        {"start", "JST XH, 4 contacts female; JST XHP-4 housing; 4 x JST SXH-001T-P0.6 crimp contacts"},
        {"end", "Screw terminal, 4-way female; 4-way screw terminal block, 5.08 mm pitch"},
        {"cable", "4 cores, 24 AWG (0.205 mm\xB2), 50 cm long; 4-core flexible cable, unscreened"}};
    EXPECT_EQ(cable.index.parts, parts);
    ASSERT_NE(note(cable.index, "Parts"), nullptr);
    EXPECT_EQ(note(cable.index, "Parts")->text,
              "Start (S, left): XH (sensor), female; JST XHP-4 housing; 4 x JST SXH-001T-P0.6 crimp contacts. "
              "End (E, right): Terminal, female; 4-way screw terminal block, 5.08 mm pitch. Cable: " + parts[2].text + ".");
    for (const char* words : {"Parts", "XHP-4", "24 AWG"})
        EXPECT_NE(cable.notes.find(words), std::string::npos) << words << " in the notes drawing";
    EXPECT_NE(WiringText(cable.index, "Sensor lead").find("\r\nParts:\r\nStart: JST XH, 4 contacts female; JST XHP-4"),
              std::string::npos);
    EXPECT_NE(WiringCsv(cable.index).find("\r\n\r\npart,description\r\nstart,\"JST XH, 4 contacts female;"), std::string::npos);
    EXPECT_EQ(ParseCableIndex(FormatCableIndex({{cable.index}})).index.cables.at(0).parts, parts) << "PART records";
    Cable mine;
    mine.origin = MyCableFile("Sensor lead.txt");
    mine.name = "Sensor lead, XH to terminal";
    mine.indexed = true;
    mine.entry = cable.index;
    for (const char* words : {"XHP-4", "24 AWG", "0.205", "SXH-001T-P0.6"})
        EXPECT_EQ(FindCables({mine}, {words}).size(), 1u) << words;
    EXPECT_TRUE(FindCables({mine}, {"XHP-5"}).empty());
}

TEST(PartsList, ShippedCablesListTheirConnectorsGenericPartsAndTheCoresTheBuildCounts) {
    OutputSet out;
    addCableIndex(loadSourceSet(std::string(SOURCE_DIR) + "/data"), out);
    const auto& bytes = out.at(cableIndexPath()).bytes;
    const CableIndex index = ParseCableIndex(std::string(bytes.begin(), bytes.end())).index;
    // The index and Copy wiring name each connector by its family; the notes by the diagram's name
    // for the end, each end once, with the parts of its connector drawing and of the cable's source.
    const struct {
        int number;
        std::vector<IndexedPart> parts;
        std::string notes;
    } cases[] = {
        {6,
         {{"start", "DE-9 female; solder cups; hood"}, {"end", "DE-9 female; solder cups; hood"}, {"cable", "7 cores, shielded"}},
         "Start (S, left): DE-9 (PC 1), female; solder cups; hood. End (E, right): DE-9 (PC 2), female; solder cups; hood. "
         "Cable: 7 cores, shielded."},
        {66,
         {{"start", "T65 outlet female; SN 441011 type 13 cord connector"},
          {"end", "Mains plug type 7 male; rewirable; BS 1362 fuse to suit the load"},
          {"cable", "3 cores"}},
         "Start (S, left): T65 outlet, female; SN 441011 type 13 cord connector. End (E, right): Type 7 (G), male; "
         "rewirable; BS 1362 fuse to suit the load. Cable: 3 cores."},
        {36, {{"start", "8P8C male; crimp type"}, {"end", "Mini-DIN 8 male; solder type"}, {"cable", "6 cores"}},
         "Start (S, left): RJ-45 router, male; crimp type. End (E, right): Mac DIN 8, male; solder type. Cable: 6 cores."},
    };
    for (const auto& c : cases) {
        const IndexedCable* cable = index.find(c.number);
        ASSERT_NE(cable, nullptr);
        EXPECT_EQ(cable->parts, c.parts) << c.number;
        ASSERT_NE(note(*cable, "Parts"), nullptr);
        EXPECT_EQ(note(*cable, "Parts")->text, c.notes);
        const std::string csv = WiringCsv(*cable);
        for (const IndexedPart& part : c.parts) {
            const std::string field = part.text.find(',') == std::string::npos ? part.text : "\"" + part.text + "\"";
            EXPECT_NE(csv.find("\r\n" + part.place + "," + field + "\r\n"), std::string::npos) << c.number << csv;
        }
    }
    EXPECT_EQ(note(*index.find(47), "Connectors")->text, "The end's drawing shows the male face; this end is female: mirror it.");
    // Find cable by a generic part: the rewirable plugs are those of the earthed types and of types 1 and 2.
    const std::vector<Cable> shipped = TableCables(index);
    std::vector<int> rewirable;
    for (std::size_t at : FindCables(shipped, {"rewirable"})) rewirable.push_back(shipped[at].origin.tableRow);
    std::sort(rewirable.begin(), rewirable.end());
    EXPECT_EQ(rewirable, (std::vector<int>{60, 61, 63, 64, 66, 68, 70, 71, 73, 74, 76, 78}));
}
