// The wiring sources' checks: every fault names the file and line, every cable in use needs a
// source, and the continuity list has its fixed form.

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "Build.h"
#include "CableFolder.h"
#include "DatagenSourceFolder.h"
#include "wiring/CableLayout.h"
#include "wiring/Envelope.h"
#include "wiring/Netlist.h"
#include "wiring/NotesLayout.h"

using namespace wiring;

namespace fs = std::filesystem;


TEST(DatagenCableSource, AContactTheConnectorLacksNamesFileAndLine) {
    SourceFolder data;
    data.cable(6, "wire 3 2 TxD RxD\nwire 10 3 - TxD\n");
    const std::string error = data.loadError(6);
    EXPECT_NE(error.find("cable-006.txt:6: the start connector has no contact 10"), std::string::npos) << error;
}

TEST(DatagenCableSource, AnEndContactTheConnectorLacksIsAnErrorToo) {
    SourceFolder data;
    data.cable(6, "jumper end 6 0\nwire 3 2 TxD RxD\n");
    const std::string error = data.loadError(6);
    EXPECT_NE(error.find("cable-006.txt:5: the end connector has no contact 0"), std::string::npos) << error;
}

TEST(DatagenCableSource, AContactWiredTwiceNamesBothLines) {
    SourceFolder data;
    data.cable(6, "wire 3 2 TxD RxD\nwire 5 5 GND GND\nwire 3 3 TxD TxD\n");
    const std::string error = data.loadError(6);
    EXPECT_NE(error.find("cable-006.txt:7: start contact 3 is wired twice (line 5 has it)"), std::string::npos) << error;
}

TEST(DatagenCableSource, AJumperOrADeclaredSplitMayShareAContact) {
    SourceFolder data;
    data.cable(6, "wire 4 6 DTR DSR\njumper end 6 1 DSR DCD\nsplit start 5\nwire 5 5 GND GND\nwire 5 9 GND -\n");
    EXPECT_EQ(data.loadError(6), "");
    data.cable(6, "wire 4 6 DTR DSR\nwire 7 6 RTS DSR\n");
    EXPECT_NE(data.loadError(6).find("end contact 6 is wired twice"), std::string::npos);
}

TEST(DatagenCableSource, JumperMistakesAreRefused) {
    SourceFolder data;
    data.cable(6, "wire 3 2 TxD RxD\njumper start 7 7\n");
    EXPECT_NE(data.loadError(6).find(":6: a jumper from contact 7 to itself"), std::string::npos);
    data.cable(6, "wire 3 2 TxD RxD\njumper start 7 8\njumper start 8 7\n");
    EXPECT_NE(data.loadError(6).find(":7: this jumper is given already on line 6"), std::string::npos);
    data.cable(6, "wire 3 2 TxD RxD\njumper left 7 8\n");
    EXPECT_NE(data.loadError(6).find(":6: the side is 'start' or 'end'"), std::string::npos);
}

TEST(DatagenCableSource, RangesPairOffAndMustMatch) {
    SourceFolder data;
    data.cable(6, "wire 1-3 3-5 - -\n");
    EXPECT_EQ(netlistLines(loadCable(data.path.string(), 6)), (std::vector<std::string>{"S1 E3", "S2 E4", "S3 E5"}));
    data.cable(6, "wire 1-3 3-4 - -\n");
    EXPECT_NE(data.loadError(6).find(":5: the start has 3 contacts and the end 2"), std::string::npos);
}

TEST(DatagenCableSource, UnknownKeywordAndMissingSectionsAreNamed) {
    SourceFolder data;
    data.cable(6, "wire 3 2 TxD RxD\nsolder 3 2\n");
    EXPECT_NE(data.loadError(6).find("cable-006.txt:6: unknown keyword 'solder'"), std::string::npos);
    data.write("cables/cable-006.txt", "title T\nstart A\nend B\nwire 3 2 TxD RxD\nuse U\ncable C\n");
    EXPECT_NE(data.loadError(6).find("cable-006.txt:1: no 'source' line"), std::string::npos);
}

TEST(DatagenCableSource, ACableNotInTheTableIsRefused) {
    SourceFolder data;
    data.cable(31, "wire 3 2 TxD RxD\n");
    EXPECT_NE(data.loadError(31).find("cable 31 is not in the cable table"), std::string::npos);
}

TEST(DatagenCableSource, ShellIsAContactOfADsubOnly) {
    SourceFolder data;
    data.cable(6, "wire 3 2 TxD RxD\nshield SHELL -\n");
    EXPECT_EQ(data.loadError(6), "");
    // Cable 10 runs from a SCART plug to RCA plugs: an RCA plug has C and S, and no shell.
    data.write("connectors/plug-014.txt", "title SCART\nface scart\ngender male\n");
    data.write("cables/cable-010.txt",
               "title T\nstart SCART\nend RCA\nwire 3 C L R\nshield 21 SHELL\nuse U\ncable C\nsource S\n" + Genders);
    EXPECT_NE(data.loadError(10).find("cable-010.txt:5: the end connector has no contact SHELL"), std::string::npos);
}

TEST(DatagenCableSource, BranchesNameTheEndsPlugs) {
    SourceFolder data;
    data.write("connectors/plug-014.txt", "title SCART\nface scart\ngender male\n");
    data.write("cables/cable-010.txt",
               "title T\nstart SCART\nend RCA\nbranch L RCA left\nbranch R RCA right\n"
               "wire 3 L:C Lout L\nwire 1 R:C Rout R\nsplit start 4\nwire 4 L:S GND GND\nwire 4 R:S GND GND\n"
               "use U\ncable C\nsource S\n" + Genders);
    EXPECT_EQ(netlistLines(loadCable(data.path.string(), 10)),
              (std::vector<std::string>{"S3 EL:C", "S1 ER:C", "S4 EL:S", "S4 ER:S"}));
    data.write("cables/cable-010.txt",
               "title T\nstart SCART\nend RCA\nbranch L RCA left\nwire 3 C Lout L\nuse U\ncable C\nsource S\n" + Genders);
    EXPECT_NE(data.loadError(10).find("cable-010.txt:5: this cable has branches"), std::string::npos);
}

TEST(DatagenCableSource, NetlistListsWiresThenJumpersAndLeavesOutAnOpenShield) {
    SourceFolder data;
    data.cable(6, "wire 3 2 TxD RxD\nwire 4 6 DTR DSR\njumper end 6 1 DSR DCD\nshield SHELL -\nwire 5 5 GND GND\n"
                  "jumper start 7 8 RTS CTS\n");
    EXPECT_EQ(netlistLines(loadCable(data.path.string(), 6)),
              (std::vector<std::string>{"S3 E2", "S4 E6", "S5 E5", "E6 E1", "S7 S8"}));
    data.cable(6, "wire 3 2 TxD RxD\nshield SHELL SHELL\n");
    EXPECT_EQ(netlistLines(loadCable(data.path.string(), 6)), (std::vector<std::string>{"S3 E2", "SSHELL ESHELL"}));
}

TEST(DatagenCableSource, JoinedGroupsFollowWiresAndJumpers) {
    SourceFolder data;
    data.cable(6, "wire 4 6 DTR DSR\njumper end 6 1 DSR DCD\nwire 3 2 TxD RxD\n");
    const std::vector<std::set<std::string>> groups = connectedGroups(loadCable(data.path.string(), 6));
    EXPECT_EQ(groups.size(), 2u);
    EXPECT_NE(std::find(groups.begin(), groups.end(), std::set<std::string>{"S4", "E6", "E1"}), groups.end());
    EXPECT_NE(std::find(groups.begin(), groups.end(), std::set<std::string>{"S3", "E2"}), groups.end());
}

TEST(DatagenCableSource, RibbonTakesItsNamesFromThePinoutDrawing) {
    SourceFolder data;
    data.write("connectors/pinouts-001.txt", "title RS-232\nface plug 9\npin 1 DCD\npin 2 RxD\npin 3 TxD\n");
    data.cable(3, "ribbon 1-3\n");  // cable 3 is DE-9 to DE-9 with pinout 1 at the start
    const CableSource cable = loadCable(data.path.string(), 3);
    ASSERT_EQ(cable.wires.size(), 3u);
    EXPECT_EQ(cable.wires[2].startSignal, "TxD");
    EXPECT_EQ(netlistLines(cable), (std::vector<std::string>{"S1 E1", "S2 E2", "S3 E3"}));
}

TEST(DatagenCableSource, TheDrawingsOfAWiringStayInTheirEnvelopes) {
    SourceFolder data;
    data.cable(6, "wire 3 2 TxD RxD\nwire 4 6 DTR DSR\njumper end 6 1 DSR DCD\nshield SHELL -\n");
    const CableSource cable = loadCable(data.path.string(), 6);
    EXPECT_TRUE(checkEnvelope(layoutCableDiagram(cable), DrawingKind::Connector).empty());
    EXPECT_TRUE(checkEnvelope(layoutCableNotes(cable, "nullmodem, DB9-DB9"), DrawingKind::Notes).empty());
}

TEST(DatagenCableSource, TooManyRowsAreRefusedNotSqueezed) {
    SourceFolder data;
    // Cable 1 runs DB-25 to DB-25; a 39-contact D-sub stands in for it here.
    data.write("connectors/plug-011.txt", "title D-sub\nface dsub 20 19\ngender female\n");
    auto wires = [](int count) {
        std::string text;
        for (int i = 1; i <= count; ++i) text += "wire " + std::to_string(i) + " " + std::to_string(i) + " Sig Sig\n";
        return "title T\nstart A\nend B\n" + text + "use U\ncable C\nsource S\n" + Genders;
    };
    data.write("cables/cable-001.txt", wires(25));
    EXPECT_NO_THROW(layoutCableDiagram(loadCable(data.path.string(), 1)));
    data.write("cables/cable-001.txt", wires(39));
    try {
        layoutCableDiagram(loadCable(data.path.string(), 1));
        FAIL() << "39 rows were squeezed in";
    } catch (const DataError& e) {
        // The first row past the room is at fault: wire 31, on line 34.
        EXPECT_NE(std::string(e.what()).find("cable-001.txt:34: 39 rows do not fit the diagram; 30 fit: join"), std::string::npos)
            << e.what();
    }
}

TEST(DatagenCableSource, EveryCableInUseNeedsASource) {
    const fs::path copy = fs::temp_directory_path() / ("datagen-cable-missing-" + std::to_string(::getpid()));
    fs::remove_all(copy);
    fs::copy(fs::path(SOURCE_DIR) / "data", copy, fs::copy_options::recursive);
    fs::remove(copy / "cables" / "cable-006.txt");
    std::string error;
    try {
        buildDataSet(copy.string());
    } catch (const DataError& e) {
        error = e.what();
    }
    fs::remove_all(copy);
    EXPECT_NE(error.find("cable 6 \"nullmodem, DB9-DB9\" has no wiring source"), std::string::npos) << error;
}

TEST(DatagenCableSource, MainsCablesMustSayWhoMayMakeThem) {
    SourceFolder data;
    data.write("connectors/plug-050.txt",
               "title T65\nface custom\ngender female\ncontact L round -700 0 300 up\ncontact N round 0 0 300 up\n"
               "contact PE round 700 0 300 up\n");
    data.write("connectors/plug-040.txt",
               "title A\nface custom\ngender male\ncontact L round -700 0 300 up\ncontact N round 700 0 300 up\n");
    const std::string head =
        "title T\nstart T65\nend Type A\nwire L L L L\nwire N N N N\nuse U\ncable C\nsource S\n" + Genders;
    data.write("cables/cable-060.txt", head);
    EXPECT_NE(data.loadError(60).find("qualified person"), std::string::npos);
    data.write("cables/cable-060.txt", head + "caution Work for a qualified person only.\n");
    EXPECT_EQ(data.loadError(60), "");
}
