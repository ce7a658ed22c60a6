// A build of the real sources under data/ writes every file the program names.

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "Build.h"
#include "DatagenWmfReader.h"
#include "wiring/Metafile.h"
#include "OutputTree.h"
#include "cables/CableTable.h"
#include "framework/FileBytes.h"

using namespace wiring;

namespace fs = std::filesystem;

namespace {

class DatagenBuild : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root = fs::temp_directory_path() / ("datagen-build-" + std::to_string(::getpid()));
        fs::remove_all(root);
        writeDataTree(buildDataSet(std::string(SOURCE_DIR) + "/data"), (root / "DATA").string());
    }
    static void TearDownTestSuite() { fs::remove_all(root); }

    // A catalog prefix such as "DATA\PLUG\PLUG." and a number, as a path on this disk.
    static fs::path onDisk(const char* prefix, int number) { return root / "DATA" / dataPath(prefix, number); }

    static std::vector<std::uint8_t> bytesOf(const fs::path& path) {
        const std::string bytes = ReadFileBytes(path.string(), 16 << 20).bytes;
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    }

    static void expectMetafile(const fs::path& path) {
        ASSERT_TRUE(fs::is_regular_file(path)) << path;
        const WmfFile f = readWmf(bytesOf(path));
        EXPECT_EQ(f.problem, "") << path;
        EXPECT_EQ(f.type, 1) << path;
        EXPECT_EQ(f.sizeInWords * 2, fs::file_size(path)) << path;
        EXPECT_GT(f.records.size(), 3u) << path;
    }

    static fs::path root;
};

fs::path DatagenBuild::root;

}  // namespace

TEST_F(DatagenBuild, EveryConnectorAndPinoutOfEveryCableInUse) {
    int rows = 0;
    for (int n = 0; n < CableRowCount; ++n) {
        if (!IsCableInUse(n)) continue;
        ++rows;
        const CableRecord& row = Catalog.cables[n];
        SCOPED_TRACE(row.name);
        expectMetafile(onDisk(DataPrefix::Plug, row.startPlug));
        expectMetafile(onDisk(DataPrefix::Plug, row.endPlug));
        expectMetafile(onDisk(DataPrefix::Pinouts, row.startPinouts));
        expectMetafile(onDisk(DataPrefix::Pinouts, row.endPinouts));
    }
    EXPECT_EQ(rows, 77);
}

TEST_F(DatagenBuild, StartUpDrawingsAndThePrintLogo) {
    expectMetafile(onDisk(DataPrefix::Plug, 0));
    expectMetafile(onDisk(DataPrefix::Cable, 0));
    expectMetafile(onDisk(DataPrefix::Pinouts, 0));
    expectMetafile(onDisk(DataPrefix::Notes, 0));
    expectMetafile(root / "DATA" / "MISC" / "SD_PRINT.LGO");
}

TEST_F(DatagenBuild, AnEmptyUserNotesFileForCableZeroAndEveryCableInUse) {
    EXPECT_EQ(fs::file_size(onDisk(DataPrefix::UserNote, 0)), 0u);
    int files = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(root / "DATA" / "USERNOTE")) {
        (void)e;
        ++files;
    }
    for (int n = 1; n < CableRowCount; ++n) {
        const fs::path path = onDisk(DataPrefix::UserNote, n);
        EXPECT_EQ(fs::exists(path), IsCableInUse(n)) << n;
        if (IsCableInUse(n)) {
            EXPECT_EQ(fs::file_size(path), 0u);
        }
    }
    EXPECT_EQ(files, 78);
}

TEST_F(DatagenBuild, EveryDrawingBalancesItsObjects) {
    int drawings = 0;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(root / "DATA")) {
        // The user notes, the connector list and the cable index are text, not drawings.
        if (!e.is_regular_file() || e.path().parent_path().filename() == "USERNOTE") continue;
        if (e.path().filename() == "CONNECT.LST" || e.path().filename() == "CABLES.IDX") continue;
        ++drawings;
        const WmfFile f = readWmf(bytesOf(e.path()));
        ASSERT_EQ(f.problem, "") << e.path();
        int created = 0;
        int deleted = 0;
        std::uint32_t largest = 0;
        for (const WmfRecord& r : f.records) {
            largest = std::max(largest, r.size);
            if (r.function == MetaRecord::CreatePenIndirect || r.function == MetaRecord::CreateBrushIndirect ||
                r.function == MetaRecord::CreateFontRecord)
                ++created;
            if (r.function == MetaRecord::DeleteObject) ++deleted;
        }
        EXPECT_EQ(created, deleted) << e.path();
        EXPECT_EQ(f.largestRecord, largest) << e.path();
    }
    EXPECT_GE(drawings, 5 + 33 + 29);
}

TEST_F(DatagenBuild, NamesFollowTheCatalogRule) {
    EXPECT_EQ(dataPath(DataPrefix::Plug, 9), "PLUG/PLUG.009");
    EXPECT_EQ(dataPath(DataPrefix::UserNote, 82), "USERNOTE/USERNOTE.082");
    EXPECT_TRUE(fs::is_regular_file(root / "DATA" / "PINOUTS" / "PINOUTS.001"));
    EXPECT_TRUE(fs::is_regular_file(root / "DATA" / "CABLE" / "CABLE.000"));
}
