// A user's own cable through the one entry the guide calls: the shipped cables given a head come
// out as datagen makes them, every fault is named with its line, and any encoding an editor saves
// is read.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "Build.h"
#include "CableIndexWriter.h"
#include "cables/CableTable.h"
#include "datafiles/ThreeDigits.h"
#include "framework/FileBytes.h"
#include "wiring/UserCable.h"
#include "DatagenSourceFolder.h"

using namespace wiring;
namespace fs = std::filesystem;

namespace {

std::string fileText(const fs::path& path) { return ReadFileBytes(path.string(), MaxSourceBytes).bytes; }

std::string asText(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

class UserCableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        built = new OutputSet(buildDataSet(std::string(SOURCE_DIR) + "/data"));
        shipped = new std::vector<SourceText>;
        for (const auto& entry : fs::directory_iterator(fs::path(SOURCE_DIR) / "data" / "connectors"))
            shipped->push_back({entry.path().filename().string(), fileText(entry.path())});
    }
    static void TearDownTestSuite() {
        delete built;
        delete shipped;
    }
    static std::string realSource(int number) {
        return fileText(fs::path(SOURCE_DIR) / "data" / "cables" / ("cable-" + ThreeDigits(number) + ".txt"));
    }
    static UserCable compile(const std::string& text, const std::vector<SourceText>& user = {}) {
        static const CableNames names = CableNamesByNumber();
        return CompileUserCable({"my cable.txt", text}, user, *shipped, names);
    }
    static OutputSet* built;
    static std::vector<SourceText>* shipped;
};
OutputSet* UserCableTest::built = nullptr;
std::vector<SourceText>* UserCableTest::shipped = nullptr;

// Code page 1252 text (as the cable table holds it) in UTF-8, as the sources are written.
std::string utf8(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x80) out += static_cast<char>(c);
        else out += {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    }
    return out;
}

// The head the cable table gives cable `number`; a side whose source names its own pinout drawing keeps that line.
std::string headOf(int number, const std::string& source) {
    const CableRecord& row = Catalog.cables[number];
    std::string head = "name " + utf8(row.name) + "\nconnector start " + std::to_string(row.startPlug) +
                       "\nconnector end " + std::to_string(row.endPlug) + "\n";
    if (source.find("\npinouts start") == std::string::npos)
        head += "pinouts start " + std::to_string(row.startPinouts) + "\n";
    if (source.find("\npinouts end") == std::string::npos) head += "pinouts end " + std::to_string(row.endPinouts) + "\n";
    return head;
}

const char* const Minimal =
    "name Test lead\nconnector start 9\nconnector end 9\ntitle Test\nstart DE-9\nend DE-9\n"
    "gender start female\ngender end female\n";

}  // namespace

TEST_F(UserCableTest, EveryShippedCableWithItsHeadDrawsAsDatagenDrawsIt) {
    const CableIndexReading index = ParseCableIndex(asText(built->at(cableIndexPath()).bytes));
    ASSERT_TRUE(index.ok) << index.error;
    int compared = 0;
    for (int n : CablesInUse()) {
        const std::string source = realSource(n);
        const UserCable cable = compile(headOf(n, source) + source);
        ASSERT_TRUE(cable.ok) << "cable " << n << ": " << cable.error().text();
        EXPECT_EQ(cable.name, Catalog.cables[n].name);
        EXPECT_TRUE(cable.diagram == asText(built->at(dataPath(DataPrefix::Cable, n)).bytes)) << "CABLE of cable " << n;
        EXPECT_TRUE(cable.notes == asText(built->at(dataPath(DataPrefix::Notes, n)).bytes)) << "NOTES of cable " << n;
        EXPECT_EQ(cable.startPlug.shippedPath, DataFileName(DataPrefix::Plug, Catalog.cables[n].startPlug));
        EXPECT_EQ(cable.endPlug.shippedPath, DataFileName(DataPrefix::Plug, Catalog.cables[n].endPlug));
        EXPECT_TRUE(cable.startPlug.metafile.empty() && cable.endPinouts.metafile.empty());
        IndexedCable entry = cable.index;
        EXPECT_EQ(entry.number, 0);
        entry.number = n;
        ASSERT_NE(index.index.find(n), nullptr);
        EXPECT_TRUE(entry == *index.index.find(n)) << "index entry of cable " << n;
        ++compared;
    }
    EXPECT_EQ(compared, static_cast<int>(CablesInUse().size()));
}

TEST_F(UserCableTest, EachFaultIsNamedWithItsFileAndLine) {
    struct Case {
        std::string text;
        int line;
        std::string message;
    } cases[] = {
        {"connector start 9\nconnector end 9\ntitle T\n", 1, "no 'name' line"},
        {"name A\nconnector start 9\ntitle T\n", 1, "no 'connector end' line"},
        {"name A\nname B\n", 2, "'name' given twice (first on line 1)"},
        {"name A\nconnector start 9\nconnector start 9\n", 3, "given already on line 2"},
        {"name A\nconnector middle 9\n", 2, "the side is 'start' or 'end', not 'middle'"},
        {"name A\n\nconnector start 998\n", 3, "there is no shipped connector drawing 998 (plug-998.txt)"},
        {"name A\nconnector start ../../WINDOWS/x\n", 2, "there is no plug-../../WINDOWS/x.txt beside the cable"},
        {std::string(Minimal) + "pinouts start 1\nwire 2 3 TxD RxD\n", 10,
         "start contact 2 is \"RxD in (receive)\" on the pinout drawing pinouts-001.txt, not \"TxD\""},
        {std::string(Minimal) + "pinouts start 1\nwire 3 2 TxD RxD\n", 5, "start contact 5 is \"GND (signal ground)\" but neither wired nor free"},
        {"name A\nconnector start 9\nconnector end 9\ntitle T\nstart DE-9\nend DE-9\ngender start female\nwire 1 1 - -\n", 1,
         "no 'gender end' line"},
        {std::string(Minimal) + "wire 1 1 - -\nuse Pin 1 is on the left.\n", 10, "\"on the left\" places a contact"},
        {std::string(Minimal) + "wire 1 1 - -\nwire 1 2 - -\n", 10, "start contact 1 is wired twice (line 9 has it)"},
        {std::string(Minimal) + "wire 1 1 - -\nfrob\n", 10, "unknown keyword 'frob'"},
        {std::string(Minimal) + "title " + std::string(500, 'x') + "\n", 9, "the line is longer than 400 characters"},
        {std::string(70 * 1024, '#'), 0, "the file is larger than 64 KB"},
    };
    // Three ribbons of an 80-way connector: the 201st wire is on the third.
    const std::vector<SourceText> wide = {{"plug-wide.txt", "title Wide\nface idc 80\ngender male\n"}};
    const UserCable heavy =
        compile("name A\nconnector start wide\nconnector end wide\nribbon 1-80\nribbon 1-80\nribbon 1-80\n", wide);
    EXPECT_EQ(heavy.error().text(), "my cable.txt:6: more than 200 wires and jumpers: a cable drawing holds no more");
    for (const Case& c : cases) {
        const UserCable cable = compile(c.text);
        ASSERT_FALSE(cable.ok) << c.message;
        EXPECT_EQ(cable.error().file, "my cable.txt");
        EXPECT_EQ(cable.error().line, c.line) << cable.error().text();
        EXPECT_NE(cable.error().message.find(c.message), std::string::npos) << cable.error().text();
    }
}

TEST_F(UserCableTest, EditorialLinesAreOptionalAndAMainsCableStillNeedsItsCaution) {
    const UserCable plain = compile(std::string(Minimal) + "wire 2 3 - -\nwire 3 2 - -\nwire 5 5 - -\n");
    ASSERT_TRUE(plain.ok) << plain.error().text();
    EXPECT_EQ(plain.startPinouts.shippedPath, "DATA\\PINOUTS\\PINOUTS.000");

    const int mains = 9;  // any cable in use whose source carries the mains caution
    const std::string source = realSource(mains);
    if (source.find("\ncaution ") != std::string::npos && source.find(" L ") != std::string::npos) {
        std::string uncautioned;
        std::istringstream lines(source);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("caution", 0) != 0) uncautioned += line + "\n";
        const UserCable cable = compile(headOf(mains, source) + uncautioned);
        ASSERT_FALSE(cable.ok);
        EXPECT_NE(cable.error().message.find("a mains cable needs a 'caution' line"), std::string::npos);
    }
}

TEST_F(UserCableTest, TheUsersOwnConnectorAndPinoutDrawingsByName) {
    const auto real = [](const char* name) { return fileText(fs::path(SOURCE_DIR) / "data" / "connectors" / name); };
    std::string pinouts = real("pinouts-001.txt");
    const std::size_t face = pinouts.find("face plug ");
    ASSERT_NE(face, std::string::npos);
    pinouts.replace(face, pinouts.find('\n', face) - face, "face plug My-Plug");
    const std::vector<SourceText> user = {{"plug-my-plug.txt", real("plug-009.txt")}, {"pinouts-mine.txt", pinouts}};
    const UserCable cable = compile(
        "name Own\nconnector start my-plug\nconnector end 9\npinouts start MINE\ntitle T\nstart DE-9\nend DE-9\n"
        "gender start female\ngender end female\nwire 2 3 RxD TxD\nwire 3 2 TxD RxD\nwire 5 5 GND -\n",
        user);
    ASSERT_TRUE(cable.ok) << cable.error().text();
    EXPECT_TRUE(cable.startPlug.shippedPath.empty());
    EXPECT_TRUE(cable.startPlug.metafile == asText(built->at(dataPath(DataPrefix::Plug, 9)).bytes));
    EXPECT_FALSE(cable.startPinouts.metafile.empty());
    EXPECT_EQ(cable.endPlug.shippedPath, "DATA\\PLUG\\PLUG.009");

    const UserCable broken = compile("name Own\nconnector start my-plug\n", {{"plug-my-plug.txt", "title X\nface dsub 5 4\n"}});
    ASSERT_FALSE(broken.ok);
    EXPECT_EQ(broken.error().text(), "plug-my-plug.txt:1: no gender line");
}

TEST_F(UserCableTest, EncodingsAnEditorSavesAreReadAndOthersRefusedWithTheirLine) {
    const std::string body = std::string(Minimal) + "wire 2 3 - -\nuse Caf\xC3\xA9 \xE2\x82\xAC 5.\n";  // UTF-8
    const UserCable reference = compile(body);
    ASSERT_TRUE(reference.ok) << reference.error().text();
    std::string cp1252 = body;
    cp1252.replace(cp1252.find("\xC3\xA9"), 2, "\xE9");
    cp1252.replace(cp1252.find("\xE2\x82\xAC"), 3, "\x80");
    std::string utf16 = "\xFF\xFE";
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(cp1252[i]);
        const unsigned code = c == 0x80 ? 0x20AC : c;
        utf16 += static_cast<char>(code & 0xFF);
        utf16 += static_cast<char>(code >> 8);
    }
    for (const std::string& text : {cp1252, "\xEF\xBB\xBF" + body, utf16}) {
        const UserCable cable = compile(text);
        ASSERT_TRUE(cable.ok) << cable.error().text();
        EXPECT_TRUE(cable.notes == reference.notes);
        EXPECT_EQ(cable.index.words, reference.index.words);
    }
    struct Refused {
        std::string text;
        int line;
        std::string message;
    } refused[] = {
        {std::string(Minimal) + "use \xE2\x98\x83\n", 9, "U+2603 is not in code page 1252"},
        {"\xEF\xBB\xBF" + std::string(Minimal) + "use \xE9t\xE9\n", 9, "not UTF-8"},
        {std::string(Minimal) + "use \x81\n", 9, "neither UTF-8 nor code page 1252"},
        {std::string("\xFE\xFF\x00n", 4), 1, "UTF-16 big-endian"},
        {std::string("\xFF\xFEn\x00\n\x00\x00\xD8", 8), 2, "half a UTF-16 character: save the file again"},
        {std::string("\xFF\xFEn\x00\n", 5), 1, "ends in half a UTF-16 character"},
        {std::string(Minimal) + "use a\x01\n", 9, "control character"},
    };
    for (const Refused& r : refused) {
        const UserCable cable = compile(r.text);
        ASSERT_FALSE(cable.ok) << r.message;
        EXPECT_EQ(cable.error().line, r.line) << cable.error().text();
        EXPECT_NE(cable.error().message.find(r.message), std::string::npos) << cable.error().text();
    }
}

// One decoder for both origins: a character a user's source may hold, a shipped one may too, and an
// accented letter on a wrapped note line is laid out and checked as any letter is.
TEST_F(UserCableTest, ShippedAndUserSourcesTakeTheSameCharacters) {
    const std::string notes[] = {
        "caution Keep the two ends apart and label both of them clearly with the caf\xC3\xA9 name",
        "use Pin 1 \xE2\x80\x93 the \xE2\x82\xAC sign\xE2\x80\xA6 \xC2\xB1" "12 V at 20 \xC2\xB0" "C over 2 mm\xC2\xB2",
        "cable \xC3\x89tiquette \xC3\x85 \xC3\x87" "a va",
    };
    for (const std::string& note : notes) {
        SourceFolder data;
        data.cable(6, "wire 2 3 - -\nwire 3 2 - -\nwire 5 5 - -\n" + note + "\n");
        EXPECT_EQ(data.loadError(6), "") << "shipped: " << note;
        const UserCable user = compile(std::string(Minimal) + "wire 2 3 - -\nwire 3 2 - -\nwire 5 5 - -\n" + note + "\n");
        EXPECT_TRUE(user.ok) << "user: " << user.error().text();
    }
}
