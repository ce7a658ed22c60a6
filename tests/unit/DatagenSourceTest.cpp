// The sources' errors: each names the file and the line, and a failed build writes nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include <unistd.h>

#include "Build.h"
#include "wiring/ConnectorSource.h"
#include "OutputTree.h"
#include "wiring/SourceText.h"
#include "wiring/TextEncoding.h"

using namespace wiring;

namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        static int made = 0;
        path = fs::temp_directory_path() / ("datagen-" + std::string(info->name()) + "-" + std::to_string(::getpid()) +
                                            "-" + std::to_string(++made));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    void write(const std::string& relative, const std::string& text) const {
        fs::create_directories((path / relative).parent_path());
        std::ofstream(path / relative) << text;
    }
    fs::path path;
};

// The message of the DataError that building the folder raises, or "" when it builds.
std::string buildError(const TempFolder& data) {
    try {
        buildDataSet(data.path.string());
    } catch (const DataError& e) {
        return e.what();
    }
    return "";
}

const char* DeNine =
    "# a 9-pin D-sub\n"
    "title DE-9\n"
    "face dsub 5 4\n"
    "gender female\n";

}  // namespace

TEST(DatagenSource, UnknownKeywordNamesFileAndLine) {
    TempFolder data;
    data.write("connectors/plug-009.txt", std::string(DeNine) + "\ncolour red\n");
    const std::string error = buildError(data);
    EXPECT_NE(error.find("plug-009.txt:6: unknown keyword 'colour'"), std::string::npos) << error;
}

TEST(DatagenSource, MalformedNumberNamesFileAndLine) {
    TempFolder data;
    data.write("connectors/plug-004.txt",
               "title DIN\nface custom\ngender male\ncontact 1 round 10x 0 200 up\n");
    const std::string error = buildError(data);
    EXPECT_NE(error.find("plug-004.txt:4: '10x' is not a whole number"), std::string::npos) << error;
}

TEST(DatagenSource, PinTheConnectorLacksIsAnError) {
    TempFolder data;
    data.write("connectors/plug-009.txt", DeNine);
    data.write("connectors/pinouts-001.txt", "title RS-232\nface plug 9\npin 1 DCD\npin 10 nothing\n");
    const std::string error = buildError(data);
    EXPECT_NE(error.find("pinouts-001.txt:4: contact 10 does not exist"), std::string::npos) << error;
}

TEST(DatagenSource, PinListedTwiceIsAnError) {
    TempFolder data;
    data.write("connectors/plug-009.txt", DeNine);
    data.write("connectors/pinouts-001.txt", "title RS-232\nface plug 9\npin 1..9 GND\npin 5 GND\n");
    const std::string error = buildError(data);
    EXPECT_NE(error.find("pinouts-001.txt:4: contact 5 is listed twice"), std::string::npos) << error;
}

TEST(DatagenSource, UnknownConnectorIsAnError) {
    TempFolder data;
    data.write("connectors/plug-009.txt", DeNine);
    data.write("connectors/pinouts-001.txt", "title RS-232\n\nface plug 99\npin 1 DCD\n");
    const std::string error = buildError(data);
    EXPECT_NE(error.find("pinouts-001.txt:3: unknown connector 99"), std::string::npos) << error;
}

TEST(DatagenSource, UnknownFaceFamilyIsAnError) {
    TempFolder data;
    data.write("connectors/plug-009.txt", "title X\nface hexagon 9\ngender male\n");
    EXPECT_NE(buildError(data).find("plug-009.txt:2: unknown face 'hexagon'"), std::string::npos);
}

TEST(DatagenSource, DrawingOutOfItsEnvelopeNamesTheLine) {
    TempFolder data;
    data.write("sketches/plug-000.txt", "pen 40\nrect -100 -100 100 100\nline 0 0 2500 0\n");
    const std::string error = buildError(data);
    EXPECT_NE(error.find("plug-000.txt:3: line reaches"), std::string::npos) << error;
    EXPECT_NE(error.find("outside"), std::string::npos) << error;
}

TEST(DatagenSource, TooLongTitleIsOutOfTheEnvelope) {
    TempFolder data;
    data.write("connectors/plug-009.txt",
               "title DE-9, a nine-contact D-subminiature connector\nface dsub 5 4\ngender female\n");
    EXPECT_NE(buildError(data).find("plug-009.txt:1: the text 'DE-9, a nine-contact D-subminiature connector' has 45 "
                                    "characters; 23 fit across the drawing"),
              std::string::npos);
}

TEST(DatagenSource, NotesMustKeepTheButtonCornerClear) {
    TempFolder data;
    data.write("sketches/notes-000.txt", "text left 240 -4000 3000 How to use\ntext left 240 3600 -3500 OK?\n");
    EXPECT_NE(buildError(data).find("notes-000.txt:2: the text 'OK?' has 3 characters; 0 fit beside the corner kept clear"),
              std::string::npos);
}

TEST(DatagenSource, WrongFileNamesAndFoldersAreRefused) {
    TempFolder data;
    data.write("connectors/plug-9.txt", DeNine);
    EXPECT_NE(buildError(data).find("plug-9.txt: not a plug-NNN.txt"), std::string::npos);
    TempFolder other;
    other.write("cabels/cable-001.txt", "");
    EXPECT_NE(buildError(other).find("unknown source folder"), std::string::npos);
}

TEST(DatagenSource, MissingDrawingIsNamedWithTheCableThatNeedsIt) {
    TempFolder data;
    data.write("connectors/plug-009.txt", DeNine);
    const std::string error = buildError(data);
    EXPECT_NE(error.find("nothing makes "), std::string::npos) << error;
    EXPECT_TRUE(std::regex_search(error, std::regex("needed by (start-up|printing|cable [0-9]+)"))) << error;
}

TEST(DatagenSource, CharactersOutsideCodePage1252AreRefused) {
    EXPECT_EQ(decodeToCodePage1252("5\xC2\xBC\"", "f"), "5\xBC\"");
    EXPECT_THROW(decodeToCodePage1252("\xE2\x98\x83", "f"), DataError);  // a snowman, which code page 1252 lacks
}

TEST(DatagenSource, AFaultIsWrittenForTheBuildAndForTheGuide) {
    const struct {
        SourceError fault;
        std::string build, guide;
    } cases[] = {
        {{"cable-006.txt", 7, "unknown keyword 'frob'"}, "cable-006.txt:7: unknown keyword 'frob'",
         "cable-006.txt, line 7: unknown keyword 'frob'"},
        {{"my cable.txt", 1, "no 'name' line"}, "my cable.txt:1: no 'name' line", "my cable.txt, line 1: no 'name' line"},
        {{"big.txt", 0, "the file is larger than 64 KB"}, "big.txt: the file is larger than 64 KB",
         "big.txt: the file is larger than 64 KB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.fault.text(), c.build);
        EXPECT_EQ(c.fault.guideText(), c.guide);
        EXPECT_STREQ(DataError(c.fault).what(), c.build.c_str());
    }
}

TEST(DatagenSource, PinListsExpandRangesAndEverySecondContact) {
    const SourceLine line("f", 1, "pin 1..7,10-12,S GND");
    EXPECT_EQ(expandPinList("1..7,10-12,S", line),
              (std::vector<std::string>{"1", "3", "5", "7", "10", "11", "12", "S"}));
    EXPECT_THROW(expandPinList("1..8", line), DataError);
    EXPECT_THROW(expandPinList("5-3", line), DataError);
    EXPECT_THROW(expandPinList("1,,2", line), DataError);
}

TEST(DatagenSource, FailedBuildLeavesTheOldFolderAlone) {
    TempFolder out;
    const fs::path target = out.path / "DATA";
    OutputSet first;
    first["PLUG/PLUG.009"] = {{1, 2, 3}, "test"};
    first["USERNOTE/USERNOTE.001"] = {{}, "test"};
    writeDataTree(first, target.string());
    ASSERT_TRUE(fs::exists(target / "PLUG/PLUG.009"));
    TempFolder data;
    data.write("connectors/plug-009.txt", "title X\nface dsub 5\n");
    EXPECT_THROW(
        {
            const OutputSet files = buildDataSet(data.path.string());
            writeDataTree(files, target.string());
        },
        DataError);
    EXPECT_EQ(fs::file_size(target / "PLUG/PLUG.009"), 3u);
    EXPECT_FALSE(fs::exists(out.path / "DATA.partial"));
}

TEST(DatagenSource, RebuildReplacesTheFolderAndKeepsTheUsersNotesAndCables) {
    TempFolder out;
    const fs::path target = out.path / "DATA";
    OutputSet first;
    first["PLUG/PLUG.001"] = {{1}, "test"};
    first["USERNOTE/USERNOTE.001"] = {{}, "test"};
    writeDataTree(first, target.string());
    std::ofstream(target / "USERNOTE/USERNOTE.001") << "red wire is pin 1";
    fs::create_directories(target / "MYCABLES/CACHE");
    std::ofstream(target / "MYCABLES/adapter.txt") << "name Adapter";
    OutputSet second;
    second["PLUG/PLUG.002"] = {{2}, "test"};
    second["USERNOTE/USERNOTE.001"] = {{}, "test"};
    second["USERNOTE/USERNOTE.002"] = {{}, "test"};
    writeDataTree(second, target.string());
    EXPECT_FALSE(fs::exists(target / "PLUG/PLUG.001"));  // nothing stale stays behind
    EXPECT_TRUE(fs::exists(target / "PLUG/PLUG.002"));
    EXPECT_EQ(fs::file_size(target / "USERNOTE/USERNOTE.001"), 17u);
    EXPECT_EQ(fs::file_size(target / "USERNOTE/USERNOTE.002"), 0u);
    EXPECT_EQ(fs::file_size(target / "MYCABLES/adapter.txt"), 12u);
    EXPECT_TRUE(fs::is_directory(target / "MYCABLES/CACHE"));
    EXPECT_FALSE(fs::exists(out.path / "DATA.old"));
    EXPECT_FALSE(fs::exists(out.path / "DATA.partial"));
}
