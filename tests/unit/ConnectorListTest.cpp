// The connector catalog program's list: its text format, and how datagen makes it from data/ and
// the cable table.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include <unistd.h>

#include "Build.h"
#include "SourceSet.h"
#include "ConnectorListWriter.h"
#include "SampleConnectorList.h"
#include "wiring/SourceText.h"
#include "cables/CableTable.h"
#include "cables/ConnectorUse.h"
#include "datafiles/ConnectorList.h"

using namespace wiring;

namespace fs = std::filesystem;

namespace {
ConnectorList sampleList() {
    ConnectorList list = SampleConnectorList();
    list.pinouts = {{1, "DE-9 RS-232 (PC, DTE)", {{"1", "DCD in (carrier)"}, {"2", "RxD in (receive)"}, {"4-6", ""}}},
                    {2, "DB-25 RS-232 (PC, DTE)", {}}};
    return list;
}

std::string errorOf(const std::string& text) {
    ConnectorListReading reading = ParseConnectorList(text);
    EXPECT_FALSE(reading.ok) << "accepted:\n" << text;
    return reading.error;
}

const std::string Header = "; comment\r\n";
}  // namespace

// ---- the text format

TEST(ConnectorListFormat, WhatIsWrittenReadsBackTheSame) {
    const ConnectorList list = sampleList();
    ConnectorListReading reading = ParseConnectorList(FormatConnectorList(list));
    ASSERT_TRUE(reading.ok) << reading.error;
    EXPECT_EQ(reading.list.connectors, list.connectors);
    EXPECT_EQ(reading.list.pinouts, list.pinouts);
}

TEST(ConnectorListFormat, LinesAreTabSeparatedWithThreeDigitNumbersAndCrLf) {
    const std::string text = FormatConnectorList(sampleList());
    EXPECT_NE(text.find("CONNECTOR\t009\tSerial and parallel\tDE-9 (9-pin D-sub)\t001 007 009 036\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("CONNECTOR\t099\tAudio and AV\tUnused\t\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("PINOUT\t002\tDB-25 RS-232 (PC, DTE)\r\n"), std::string::npos) << text;
}

TEST(ConnectorListFormat, PlainLineFeedsAndCommentsAreRead) {
    ConnectorListReading reading =
        ParseConnectorList("; list\n\nCONNECTOR\t004\tDIN and mini-DIN\tDIN 5\t006 012\nPINOUT\t006\tAT keyboard\n");
    ASSERT_TRUE(reading.ok) << reading.error;
    ASSERT_EQ(reading.list.connectors.size(), 1u);
    EXPECT_EQ(reading.list.connectors[0].pinouts, (std::vector<int>{6, 12}));
    EXPECT_EQ(reading.list.pinoutName(6), "AT keyboard");
    EXPECT_EQ(reading.list.pinoutName(12), "");
}

TEST(ConnectorListFormat, DamagedListsNameTheLineAndTheFault) {
    EXPECT_EQ(errorOf(Header + "CONNECTOR\t009\tSerial\tDE-9\r\n"),
              "line 2: a CONNECTOR line has five fields: CONNECTOR, number, group, name, pinout numbers");
    EXPECT_EQ(errorOf(Header + "CONNECTOR\t9\tSerial\tDE-9\t001\r\n"), "line 2: the connector number '9' is not three digits");
    EXPECT_EQ(errorOf(Header + "CONNECTOR\t009\tSerial\tDE-9\t001 7\r\n"), "line 2: the pinout number '7' is not three digits");
    EXPECT_EQ(errorOf(Header + "CONNECTOR\t009\t\tDE-9\t001\r\n"), "line 2: connector 009 has no group");
    EXPECT_EQ(errorOf(Header + "CONNECTOR\t009\tSerial\t\t001\r\n"), "line 2: connector 009 has no name");
    EXPECT_EQ(errorOf("CONNECTOR\t009\tS\tA\t001\nCONNECTOR\t009\tS\tB\t001\n"), "line 2: connector 009 is listed twice");
    EXPECT_EQ(errorOf("CONNECTOR\t009\tS\tA\t001\nPINOUT\t001\n"),
              "line 2: a PINOUT line has three fields: PINOUT, number, name");
    EXPECT_EQ(errorOf("CONNECTOR\t009\tS\tA\t001\nPINOUT\t001\tx\nPINOUT\t001\ty\n"), "line 3: pinout 001 is named twice");
    EXPECT_EQ(errorOf("CONNECTOR 009 S A 001\n"), "line 1: a line starts with CONNECTOR, FACE, PINOUT or ROW and a tab");
    const std::string dsub = "CONNECTOR\t009\tS\tA\t001\n";
    EXPECT_EQ(errorOf(dsub + "FACE\t009\tfemale\n"), "line 2: a FACE line has four fields: FACE, number, gender, view");
    EXPECT_EQ(errorOf(dsub + "FACE\t011\tfemale\tmating face\n"), "line 2: a FACE line follows the CONNECTOR line of its number");
    EXPECT_EQ(errorOf(dsub + "FACE\t009\tboth\tmating face\n"), "line 2: the gender is 'male' or 'female', not 'both'");
    EXPECT_EQ(errorOf(dsub + "FACE\t009\tmale\t\n"), "line 2: connector 009 has no view");
    EXPECT_EQ(errorOf(dsub + "ROW\t001\t1\tDCD\n"), "line 2: a ROW line follows the PINOUT line of its number");
    EXPECT_EQ(errorOf(dsub + "PINOUT\t001\tx\nROW\t001\t1\n"), "line 3: a ROW line has four fields: ROW, number, contacts, text");
    EXPECT_EQ(errorOf(dsub + "PINOUT\t001\tx\nROW\t001\t\tDCD\n"), "line 3: a row of pinout 001 names no contacts");
    EXPECT_EQ(errorOf(Header), "the list names no connectors");
    EXPECT_EQ(errorOf(""), "the list names no connectors");
    EXPECT_EQ(errorOf(std::string("CONNECTOR\t009\tS\tA\t001\n\0\x01", 23)), "the file holds binary data");
    EXPECT_EQ(errorOf(std::string(MaxConnectorListBytes + 1, ';')), "the file is too long to be a connector list");
}

// ---- what the cable table says about a connector

TEST(ConnectorListUse, PinoutsFollowTheRowsThatPairPlugAndPinouts) {
    EXPECT_EQ(PinoutsUsedWith(9), (std::vector<int>{1, 7, 9, 36}));   // RS-232, CGA, monitor, Mac 512
    EXPECT_EQ(PinoutsUsedWith(11), (std::vector<int>{2, 3, 49}));     // RS-232, parallel, Mac SCSI
    EXPECT_EQ(PinoutsUsedWith(15), (std::vector<int>{0}));            // RCA: no pinout drawing
    EXPECT_EQ(PinoutsUsedWith(50), (std::vector<int>{46}));           // T65 at the start only
    EXPECT_EQ(PinoutsUsedWith(40), (std::vector<int>{47}));
    EXPECT_TRUE(PinoutsUsedWith(0).empty()) << "row 0 is not in use";
    EXPECT_TRUE(PinoutsUsedWith(12).empty());
}

TEST(ConnectorListUse, CablesUsingAConnectorWithAPinoutAtEitherEnd) {
    EXPECT_EQ(CablesUsing(9, 36), (std::vector<int>{52, 53}));
    EXPECT_EQ(CablesUsing(9, 9), (std::vector<int>{16}));
    // Cable 53 has a DE-9 at both ends, Mac 512 at the start and RS-232 at the end.
    EXPECT_EQ(CablesUsing(9, 1), (std::vector<int>{2, 3, 5, 6, 34, 38, 45, 53, 57, 59}));
    EXPECT_EQ(CablesUsing(50, 46), (std::vector<int>{60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 80}));
    EXPECT_TRUE(CablesUsing(9, 2).empty());
}

// ---- datagen's list from the real sources

class ConnectorListWriter : public ::testing::Test {
protected:
    static fs::path folder;
    static void SetUpTestSuite() {
        folder = fs::temp_directory_path() / ("connector-list-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    static void TearDownTestSuite() { fs::remove_all(folder); }
    static void write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    static std::string plug(const std::string& group) {
        return "title Test plug\n" + group + "face dsub 5 4\ngender male\n";
    }
};
fs::path ConnectorListWriter::folder;

TEST_F(ConnectorListWriter, ListsEveryConnectorSourceOnceInGroupOrderThenByNumber) {
    const std::string sources = std::string(SOURCE_DIR) + "/data/connectors";
    const ConnectorList list = makeConnectorList(loadConnectors(sources));
    std::set<int> plugFiles;
    for (const fs::directory_entry& e : fs::directory_iterator(sources)) {
        const std::string name = e.path().filename().string();
        if (name.rfind("plug-", 0) == 0) plugFiles.insert(std::stoi(name.substr(5, 3)));
    }
    std::set<int> listed;
    for (const ConnectorEntry& entry : list.connectors) EXPECT_TRUE(listed.insert(entry.number).second) << entry.number;
    EXPECT_EQ(listed, plugFiles);

    auto groupOf = [](const std::string& group) {
        for (int i = 0; i < ConnectorGroupCount; ++i)
            if (group == ConnectorGroups[i]) return i;
        return -1;
    };
    for (size_t i = 1; i < list.connectors.size(); ++i) {
        const ConnectorEntry& a = list.connectors[i - 1];
        const ConnectorEntry& b = list.connectors[i];
        ASSERT_GE(groupOf(b.group), 0) << b.group;
        EXPECT_TRUE(groupOf(a.group) < groupOf(b.group) || (a.group == b.group && a.number < b.number))
            << a.number << " before " << b.number;
    }
    EXPECT_EQ(list.connectors.front().group, "Serial and parallel");
    EXPECT_EQ(list.connectors.back().group, "Power and mains");
}

TEST_F(ConnectorListWriter, NamesAndPinoutsComeFromTheSourcesAndTheCableTable) {
    const ConnectorList list = makeConnectorList(loadConnectors(std::string(SOURCE_DIR) + "/data/connectors"));
    auto find = [&list](int number) {
        for (const ConnectorEntry& entry : list.connectors)
            if (entry.number == number) return entry;
        return ConnectorEntry{};
    };
    const ConnectorEntry de9 = find(9);
    EXPECT_EQ(de9.name, "DE-9 (9-pin D-sub)");
    EXPECT_EQ(de9.group, "Serial and parallel");
    EXPECT_EQ(de9.pinouts, (std::vector<int>{1, 7, 9, 36}));
    EXPECT_EQ(find(29).group, "DIN and mini-DIN");
    EXPECT_EQ(find(35).group, "Modular jacks");
    EXPECT_EQ(find(18).group, "Video");
    EXPECT_EQ(find(14).group, "Audio and AV");
    EXPECT_EQ(find(26).group, "Storage");
    EXPECT_EQ(find(51).name, "\"S\" outlet");
    EXPECT_EQ(list.pinoutName(1), "DE-9 RS-232 (PC, DTE)");
    EXPECT_EQ(list.pinoutName(36), "Mac serial (DE-9)");
    EXPECT_EQ(list.pinoutName(0), "") << "pinout 000 is a sketch with no title";
    EXPECT_EQ(de9.gender + ", " + de9.view, "female, mating face");
    EXPECT_EQ(find(15).view, "side view") << "RCA";
    ASSERT_NE(list.pinout(1), nullptr);
    ASSERT_GE(list.pinout(1)->rows.size(), 5u);
    EXPECT_EQ(list.pinout(1)->rows[0], (PinoutRow{"1", "DCD in (carrier)"}));
    EXPECT_EQ(list.pinout(1)->rows[4], (PinoutRow{"5", "GND (signal ground)"}));
    for (const ConnectorEntry& entry : list.connectors) {
        EXPECT_EQ(entry.pinouts, PinoutsUsedWith(entry.number)) << entry.number;
    }
}

TEST_F(ConnectorListWriter, TheListGoesIntoMiscAsTheProgramReadsIt) {
    OutputSet out;
    addConnectorList(loadConnectors(std::string(SOURCE_DIR) + "/data/connectors"), {}, out);
    ASSERT_EQ(out.size(), 1u);
    auto found = out.find("MISC/CONNECT.LST");
    ASSERT_NE(found, out.end());
    std::string onDisk = ConnectorListPath;
    std::replace(onDisk.begin(), onDisk.end(), '\\', '/');
    EXPECT_EQ(onDisk, "DATA/" + found->first) << "datagen writes where the program reads";
    const std::string text(found->second.bytes.begin(), found->second.bytes.end());
    ConnectorListReading reading = ParseConnectorList(text);
    ASSERT_TRUE(reading.ok) << reading.error;
    EXPECT_EQ(reading.list.connectors, makeConnectorList(loadConnectors(std::string(SOURCE_DIR) + "/data/connectors")).connectors);
}

TEST_F(ConnectorListWriter, EveryPinoutDrawingAShippedCableFollowsIsListedWithItsConnector) {
    SourceSet sources = loadSourceSet(std::string(SOURCE_DIR) + "/data");
    // Cables 7 and 35 follow pinouts 3 and 50 where the table shows 2 and 42.
    EXPECT_EQ(makeConnectorList(sources.connectors, sources.cables).connector(35)->pinouts, (std::vector<int>{42, 50}));
    OutputSet out;
    sources.connectors.pinouts.erase(3);  // the parallel port's drawing made by a sketch, say: it has no title
    EXPECT_THROW(addConnectorList(sources.connectors, sources.cables, out), DataError);
}

TEST_F(ConnectorListWriter, AConnectorWithoutGroupOrWithAnUnknownOneStopsTheBuild) {
    write("plug-009.txt", plug(""));
    try {
        makeConnectorList(loadConnectors(folder.string()));
        FAIL() << "a connector without a group was listed";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("plug-009.txt:1: no group line"), std::string::npos) << e.what();
    }
    write("plug-009.txt", plug("group Serial\n"));
    try {
        makeConnectorList(loadConnectors(folder.string()));
        FAIL() << "an unknown group was listed";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("plug-009.txt:2: unknown group 'Serial'"), std::string::npos) << e.what();
    }
    write("plug-009.txt", plug("group Video\ngroup Video\n"));
    EXPECT_THROW(makeConnectorList(loadConnectors(folder.string())), DataError) << "two group lines";
    write("plug-009.txt", plug("group Video\n"));
    EXPECT_EQ(makeConnectorList(loadConnectors(folder.string())).connectors.front().group, "Video");
}

TEST_F(ConnectorListWriter, APinoutSourceIsCheckedWhereItIsReadAndListedByItsTitleAlone) {
    write("plug-009.txt", plug("group Video\n"));
    write("pinouts-009.txt", "title Test pinout\ngroup Video\nface plug 9\npin 1 GND\n");
    try {
        loadConnectors(folder.string());
        FAIL() << "a pinout drawing with a group line was read";
    } catch (const DataError& e) {
        EXPECT_EQ(std::string(e.what()), folder.string() + "/pinouts-009.txt:2: 'group' lines belong in connector drawings");
    }
    fs::remove(folder / "pinouts-009.txt");
    // The list takes nothing of a pinout drawing but its first title.
    ConnectorSet connectors = loadConnectors(folder.string());
    connectors.pinouts[9].titles = {{"Test\tpinout", 1}, {"second title", 2}};
    const ConnectorList list = makeConnectorList(connectors);
    ASSERT_EQ(list.connectors.size(), 1u) << "a pinout drawing is no connector";
    EXPECT_EQ(list.connectors.front().pinouts, PinoutsUsedWith(9));
    EXPECT_EQ(list.pinoutName(9), "Test pinout");
}

