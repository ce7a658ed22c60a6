// Faces built by rule: every row, grid and set of loose ends a source may ask for is drawn with
// every number readable, in the connector drawing and the pinout drawing, at the resolution of the
// smallest and a common panel and of the printed sheet.

#include <gtest/gtest.h>

#include "wiring/ConnectorLayout.h"
#include "wiring/DotGrid.h"
#include "wiring/Envelope.h"
#include "wiring/LabelCheck.h"
#include "wiring/UserCable.h"

using namespace wiring;

namespace {

const int Resolutions[] = {SmallestPanelUnitsPerDot, CommonPanelUnitsPerDot, PrinterUnitsPerDot};

std::string problems(const Sketch& drawing) {
    std::string found;
    for (const EnvelopeFault& f : checkEnvelope(drawing, DrawingKind::Connector)) found += f.message + "; ";
    for (int units : Resolutions) {
        for (const LabelFault& f : checkLabels(onDots(drawing, units)))
            found += "at " + std::to_string(units) + " units a dot: " + f.message + "; ";
    }
    return found;
}

std::vector<SourceLine> lines(const std::string& text) { return splitSourceText(text, "plug-x.txt"); }

}  // namespace

TEST(RuleFaces, EveryRowGridAndSetOfEndsIsReadableInBothDrawingsAtEverySize) {
    std::vector<std::string> faces;
    for (int n = 1; n <= 64; ++n) faces.push_back("row " + std::to_string(n));
    for (int n = 1; n <= 12; ++n) faces.push_back("ends " + std::to_string(n));
    for (const char* grid : {"grid 2 20", "grid 2 32", "grid 2 3", "grid 3 32 a b c", "grid 3 16 z b d", "grid 2 16 a c",
                             "grid 3 32"})
        faces.push_back(grid);
    faces.push_back("row 12 0");
    for (const std::string& face : faces) {
        for (const char* gender : {"male", "female"}) {
            if (face.rfind("ends", 0) == 0 && std::string(gender) == "female") continue;
            const std::string genderLine = face.rfind("ends", 0) == 0 ? "" : std::string("gender ") + gender + "\n";
            const ConnectorSource plug = parseConnector(lines("title Test " + face + "\nface " + face + "\n" + genderLine),
                                                        ConnectorKind::Plug, 900, "plug-x.txt", nullptr);
            const ConnectorSource pinouts = parseConnector(
                lines("title Test\nface plug 900\npin " + plug.face.contacts.front().id + " GND\n"), ConnectorKind::Pinouts, 900,
                "pinouts-x.txt", [&plug](int) { return &plug; });
            EXPECT_EQ(problems(layoutConnector(plug)), "") << "connector drawing of face " << face << ", " << gender;
            EXPECT_EQ(problems(layoutPinouts(pinouts)), "") << "pinout drawing of face " << face << ", " << gender;
        }
    }
}

TEST(RuleFaces, ContactsAreNumberedAsTheirMakersNumberThem) {
    struct Case {
        std::string face;
        std::vector<std::string> ids;  // the first contacts, column by column, top row first
        std::string last;
    } cases[] = {
        {"row 4", {"1", "2", "3"}, "4"},
        {"row 8 0", {"0", "1"}, "7"},
        {"grid 2 20", {"1", "2", "3", "4"}, "40"},
        {"grid 3 16 z b d", {"z2", "b2", "d2", "z4"}, "d32"},
        {"grid 3 32 a b c", {"a1", "b1", "c1", "a2"}, "c32"},
        {"ends 6", {"1", "2"}, "6"},
    };
    for (const Case& c : cases) {
        const std::string gender = c.face.rfind("ends", 0) == 0 ? "" : "gender male\n";
        const ConnectorSource plug = parseConnector(lines("title T\nface " + c.face + "\n" + gender),
                                                    ConnectorKind::Plug, 900, "plug-x.txt", nullptr);
        const std::vector<Contact>& contacts = plug.face.contacts;
        for (std::size_t i = 0; i < c.ids.size(); ++i) EXPECT_EQ(contacts[i].id, c.ids[i]) << c.face << " contact " << i;
        EXPECT_EQ(contacts.back().id, c.last) << c.face;
    }
}

TEST(RuleFaces, LooseEndsAskNoGenderAndTheDrawingsSaySo) {
    const std::vector<SourceText> user = {{"plug-header.txt", "title 2x20 header\nface grid 2 20\ngender female\n"},
                                          {"plug-ferrules.txt", "title Ferrules\nface ends 6\n"}};
    const std::string source =
        "name H\nconnector start header\nconnector end ferrules\ntitle T\nstart Header\nend Ferrules\n"
        "gender start female\nwire 1-6 1-6 - -\n";
    const UserCable cable = CompileUserCable({"h.txt", source}, user, {});
    ASSERT_TRUE(cable.ok) << cable.error().text();
    EXPECT_NE(cable.diagram.find("loose ends"), std::string::npos);
    EXPECT_NE(cable.notes.find("Ferrules, loose ends"), std::string::npos);
    EXPECT_NE(cable.endPlug.metafile.find("Loose ends"), std::string::npos);
    EXPECT_EQ(cable.index.end.gender, "");
    EXPECT_EQ(CompileUserCable({"h.txt", source + "gender end male\n"}, user, {}).error().text(),
              "h.txt:9: this end is loose ends (its connector drawing says 'face ends'): it has no gender");
    const std::vector<SourceText> gendered = {user[0], {"plug-ferrules.txt", "title F\nface ends 6\ngender male\n"}};
    EXPECT_EQ(CompileUserCable({"h.txt", source}, gendered, {}).error().text(),
              "plug-ferrules.txt:3: loose ends have no gender: leave out the 'gender' line");
}
