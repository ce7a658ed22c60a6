// The user's cables on their shelf, over files kept in memory: the cache and when it is made again,
// and every shipped cable compiled as a user's giving the cable value its table row gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "Build.h"
#include "CableIndexWriter.h"
#include "ConnectorListWriter.h"
#include "OutputSet.h"
#include "cables/CableTable.h"
#include "cables/WiringText.h"
#include "datafiles/ThreeDigits.h"
#include "drawing/DrawingWords.h"
#include "mycables/MyCableCache.h"
#include "mycables/MyCableShelf.h"

namespace fs = std::filesystem;

namespace {
std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string parentOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

// Files by path; each write gives the file a new stamp, as a new write time would.
class MemoryFolder : public MyCableFolder {
public:
    std::map<std::string, std::pair<std::string, std::uint64_t>> files;
    std::set<std::string> folders;
    std::uint64_t writes = 0;

    void Put(const std::string& path, const std::string& bytes) { files[path] = {bytes, ++writes}; }
    std::vector<FolderFile> TextFiles(const std::string& folder, bool (*wanted)(const std::string&),
                                      std::size_t limit) override {
        std::vector<FolderFile> found;
        for (const auto& [path, file] : files) {
            const std::string name = path.substr(path.find_last_of('\\') + 1);
            if (parentOf(path) == folder && name.size() > 4 && name.substr(name.size() - 4) == ".txt" && wanted(name) &&
                found.size() < limit)
                found.push_back({name, file.second});
        }
        return found;
    }
    std::vector<std::string> Folders(const std::string& folder) override {
        std::vector<std::string> found;
        for (const std::string& path : folders)
            if (parentOf(path) == folder) found.push_back(path.substr(folder.size() + 1));
        return found;
    }
    bool Read(const std::string& path, std::size_t limit, std::string& bytes) override {
        if (!files.count(path)) return false;
        bytes = files[path].first.substr(0, limit);
        return true;
    }
    bool Write(const std::string& path, const std::string& bytes, bool mustBeNew) override {
        if (mustBeNew && Exists(path)) return false;
        Put(path, bytes);
        return true;
    }
    bool Exists(const std::string& path) override { return files.count(path) || folders.count(path); }
    void MakeFolder(const std::string& path) override { folders.insert(path); }
    void Remove(const std::string& path) override { files.erase(path); }
    void RemoveFolder(const std::string& path) override {
        for (auto file = files.begin(); file != files.end();)
            file = parentOf(file->first) == path ? files.erase(file) : std::next(file);
        folders.erase(path);
    }
};

// The shipped connector sources where the guide finds them.
void putShippedConnectors(MemoryFolder& folder) {
    for (const auto& entry : fs::directory_iterator(fs::path(SOURCE_DIR) / "data" / "connectors"))
        folder.Put("DATA\\SOURCES\\connectors\\" + entry.path().filename().string(), fileText(entry.path()));
}

const char* const Adapter = "name Mine\nconnector start mine\nconnector end 9\ntitle Mine\nstart A\nend B\n"
                            "gender start male\ngender end female\nwire 1 2 - -\n";
const char* const MyPlug = "title Mine (9-pin)\nface dsub 5 4\ngender male\n";
}  // namespace

TEST(MyCableShelf, TheCacheIsUsedWhileItMatchesAndMadeAgainWhenStaleDamagedOrItsConnectorChanged) {
    MemoryFolder folder;
    putShippedConnectors(folder);
    folder.Put("DATA\\MYCABLES\\plug-mine.txt", MyPlug);
    folder.Put("DATA\\MYCABLES\\adapter.txt", Adapter);
    const std::string cache = "DATA\\MYCABLES\\CACHE\\adapter";
    {
        MyCableShelf shelf(folder);
        EXPECT_EQ(shelf.Refresh(), std::vector<std::string>{"adapter.txt"});
        ASSERT_TRUE(shelf.Cables().at(0).drawable) << shelf.Cables()[0].errorText();
        EXPECT_EQ(shelf.Cables()[0].cable.start.plug, cache + "\\START.WMF");
        EXPECT_EQ(shelf.Cables()[0].cable.end.plug, "DATA\\PLUG\\PLUG.009");
        EXPECT_EQ(shelf.Cables()[0].cable.start.connector.name, "Mine (9-pin)");
        EXPECT_EQ(shelf.Refresh(), std::vector<std::string>{}) << "nothing changed";
    }
    const auto nameAfterStart = [&folder] {
        MyCableShelf shelf(folder);
        shelf.Refresh();
        return shelf.Cables().at(0).cable.name;
    };
    // A new start reads the cache: the source is not compiled again, however it reads now.
    const std::uint64_t stamp = folder.files["DATA\\MYCABLES\\adapter.txt"].second;
    folder.files["DATA\\MYCABLES\\adapter.txt"] = {std::string(Adapter).replace(5, 4, "Cached?"), stamp};
    EXPECT_EQ(nameAfterStart(), "Mine");
    // Stale: the source written again.
    folder.Put("DATA\\MYCABLES\\adapter.txt", std::string(Adapter).replace(5, 4, "Second"));
    EXPECT_EQ(nameAfterStart(), "Second");
    // Damaged, the stamp still matching: a drawing cut short, or a list that does not read.
    for (const char* file : {"\\DIAGRAM.WMF", "\\ROWS.LST", "\\INDEX.IDX"}) {
        auto& source = folder.files["DATA\\MYCABLES\\adapter.txt"];
        source.first = std::string(Adapter).replace(5, 4, file + 1);
        folder.files[cache + file].first.resize(10);
        EXPECT_EQ(nameAfterStart(), file + 1) << file << ": compiled again";
        EXPECT_NE(folder.files[cache + file].first.size(), 10u) << file << " made again";
    }
    // The user's connector changed: the cable is compiled again with it.
    MyCableShelf shelf(folder);
    shelf.Refresh();
    folder.Put("DATA\\MYCABLES\\plug-mine.txt", std::string(MyPlug).replace(6, 4, "Yours"));
    EXPECT_EQ(shelf.Refresh(), std::vector<std::string>{"adapter.txt"});
    EXPECT_EQ(shelf.Cables().at(0).cable.start.connector.name, "Yours (9-pin)");
    // The source gone, its cache goes too.
    folder.Remove("DATA\\MYCABLES\\adapter.txt");
    EXPECT_EQ(shelf.Refresh(), std::vector<std::string>{"adapter.txt"});
    EXPECT_TRUE(shelf.Cables().empty());
    EXPECT_FALSE(folder.Exists(cache));
    EXPECT_FALSE(folder.Exists(cache + "\\HEAD.TXT"));
}

TEST(MyCableShelf, EveryShippedCableCompiledAsTheUsersIsTheCableItsTableRowIs) {
    const OutputSet built = buildDataSet(std::string(SOURCE_DIR) + "/data");
    const auto text = [&built](const std::string& path) {
        const std::vector<std::uint8_t>& bytes = built.at(path).bytes;
        return std::string(bytes.begin(), bytes.end());
    };
    const CableIndexReading index = ParseCableIndex(text(cableIndexPath()));
    const ConnectorListReading connectors = ParseConnectorList(text(connectorListPath()));
    ASSERT_TRUE(index.ok && connectors.ok) << index.error << connectors.error;

    // Each of the table's cables copied by Ctrl+N from its shipped source, as the guide finds it.
    MemoryFolder folder;
    putShippedConnectors(folder);
    MyCableShelf shelf(folder);
    std::map<int, std::string> copies;
    for (int n : CablesInUse()) {
        const std::string file = "cable-" + ThreeDigits(n) + ".txt";
        folder.Put("DATA\\SOURCES\\cables\\" + file, fileText(fs::path(SOURCE_DIR) / "data" / "cables" / file));
        std::string error;
        const std::string path = shelf.WriteNewCable(TableCable(n), error);
        ASSERT_FALSE(path.empty()) << error;
        copies[n] = path.substr(path.find_last_of('\\') + 1);
    }
    shelf.Refresh();
    const CableDrawing drawings[] = {CableDrawing::StartPlug, CableDrawing::StartPinouts, CableDrawing::Diagram,
                                     CableDrawing::Notes,     CableDrawing::EndPlug,      CableDrawing::EndPinouts};
    for (int n : CablesInUse()) {
        const MyCable* mine = shelf.Find(copies[n]);
        ASSERT_TRUE(mine && mine->drawable) << "cable " << n << ": " << (mine ? mine->errorText() : "not listed");
        Cable user = mine->cable;
        Cable table = TableCable(n, &index.index, &connectors.list);
        // A shipped source that names the pinout drawing its wiring follows ('pinouts end 3') gives
        // the copy that drawing, whatever the table's row pairs with the connector.
        for (auto [mineEnd, tableEnd] : {std::pair{&user.start, &table.start}, {&user.end, &table.end}}) {
            if (mineEnd->pinouts == tableEnd->pinouts) continue;
            tableEnd->pinouts = mineEnd->pinouts;
            const PinoutEntry* own = connectors.list.pinout(std::stoi(mineEnd->pinouts.substr(mineEnd->pinouts.size() - 3)));
            tableEnd->pinoutRows = own ? *own : mineEnd->pinoutRows;  // one the list has no row of (050)
        }
        EXPECT_EQ(user.name, table.name + " - copy");
        user.name = table.name;
        for (CableDrawing drawing : drawings)
            EXPECT_EQ(DrawingWords(user, drawing), DrawingWords(table, drawing)) << "cable " << n << ", drawing " << int(drawing);
        EXPECT_EQ(ContinuityText(user.entry), ContinuityText(table.entry)) << "cable " << n;
        EXPECT_EQ(user.start.plug, table.start.plug) << "cable " << n;
        EXPECT_EQ(user.end.pinouts, table.end.pinouts) << "cable " << n;
        EXPECT_TRUE(folder.files.at(user.diagram).first == text(dataPath(DataPrefix::Cable, n))) << "diagram of cable " << n;
        EXPECT_FALSE(folder.files.at(user.notes).first.empty());
    }
    // A copy of a copy, its name and a title with characters beyond ASCII, compiles under its new name.
    const MyCable* first = shelf.Find(copies[3]);
    ASSERT_NE(first, nullptr);
    std::string accented = folder.files.at(first->cable.source).first;
    accented.replace(accented.find("name nullmodem"), 14, "name C\xC3\xA2" "ble \xC2\xB1");
    folder.Put(first->cable.source, accented);
    shelf.Refresh();
    std::string error;
    const std::string again = shelf.WriteNewCable(shelf.Find(copies[3])->cable, error);
    ASSERT_FALSE(again.empty()) << error;
    shelf.Refresh();
    const MyCable* copy = shelf.Find(again.substr(again.find_last_of('\\') + 1));
    ASSERT_TRUE(copy && copy->drawable && !copy->broken) << (copy ? copy->errorText() : again);
    EXPECT_EQ(copy->cable.name, "C\xE2" "ble \xB1, 3-Wire, DB9-DB9 - copy - copy");
}

// The guide's message lists every fault under its file, and past twelve says how many more, so that the
// box stays on the screen; the first fault's file is the one the editor opens.
TEST(MyCableShelf, AllFaultsOfASourceAreListedOneALineUpToTwelve) {
    std::string strip = "title Strip\nface custom\ngender male\n";
    for (int i = 1; i <= 16; ++i)
        strip += "contact " + std::to_string(i) + " round " + std::to_string(i * 150) + " 0 200 right\n";
    MemoryFolder folder;
    folder.Put("DATA\\MYCABLES\\plug-strip.txt", strip);
    folder.Put("DATA\\MYCABLES\\strip.txt", "name S\nconnector start strip\nconnector end strip\ntitle S\nstart A\nend B\n"
                                            "gender start male\ngender end male\nwire 1 1 - -\n");
    MyCableShelf shelf(folder);
    shelf.Refresh();
    const MyCable& cable = shelf.Cables().at(0);
    ASSERT_EQ(cable.errors.size(), 16u) << cable.errorText();
    EXPECT_EQ(cable.error().file, "plug-strip.txt");
    const std::string text = cable.errorText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 13) << text;
    EXPECT_EQ(text.rfind("plug-strip.txt:\n\x95 line 4: the label \"1\" lies on contact 2 (line 5); it cannot be read\n", 0), 0u);
    EXPECT_NE(text.find("\n\x95 line 15: the label \"12\" overlaps the label \"11\" (line 14); it cannot be read\nand 4 more"),
              std::string::npos) << text;
}
