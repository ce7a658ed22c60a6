// Labels that can be read: a label on another label, on a contact or under a line stops the build.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "Build.h"
#include "wiring/SourceText.h"

using namespace wiring;

namespace fs = std::filesystem;

TEST(DatagenLabels, AnUnreadableLabelIsRefusedWithItsLineAndTheRealDataPasses) {
    struct Case {
        const char* file;
        const char* source;
        const char* expected;  // "" when the drawing is readable
    };
    const Case cases[] = {
        {"sketches/plug-000.txt", "text left 300 0 0 Pin 4\ntext left 300 100 150 key\n",
         "plug-000.txt:2: the label \"key\" overlaps the label \"Pin 4\" (line 1); it cannot be read"},
        {"sketches/plug-000.txt", "text left 300 0 0 Pin 4\ntext left 300 0 -400 key\n", ""},
        {"sketches/plug-000.txt", "text centre 300 0 0 TxD\npen 20\nline -500 100 500 100\n",
         "plug-000.txt:1: the label \"TxD\" is crossed by a line (line 3); it cannot be read"},
        {"sketches/plug-000.txt", "text centre 300 0 0 TxD\npen 20\nline -500 -150 500 -150\n", ""},
        // A mark beside a contact, then the same mark on it (a contact without a number).
        {"connectors/plug-020.txt",
         "title Two pins\nface custom\ngender male\ncontact 1 round -600 0 200 left\ncontact 2 round 600 0 200 right\n"
         "mark 0 0 key\n",
         ""},
        {"connectors/plug-020.txt",
         "title Two pins\nface custom\ngender male\ncontact 1 round -600 0 200 left\ncontact 2 round 600 0 200 none\n"
         "mark 600 0 key\n",
         "plug-020.txt:6: the label \"key\" lies on contact 2 (line 5); it cannot be read"},
        // A number turned towards its neighbour lands on it.
        {"connectors/plug-020.txt",
         "title Two pins\nface custom\ngender male\ncontact 1 round -150 0 200 right\ncontact 2 round 150 0 200 right\n",
         "plug-020.txt:4: the label \"1\" lies on contact 2 (line 5); it cannot be read"},
        // A number may stand inside an open contact that holds it, never on a filled one.
        {"connectors/plug-020.txt", "title Big pin\nface custom\ngender female\ncontact 1 round 0 0 900 inside\n", ""},
        {"connectors/plug-020.txt", "title Big pin\nface custom\ngender male\ncontact 1 round 0 0 900 inside\n",
         "plug-020.txt:4: the label \"1\" lies on contact 1; it cannot be read"},
    };
    int made = 0;
    for (const Case& c : cases) {
        const fs::path root = fs::temp_directory_path() / ("datagen-labels-" + std::to_string(::getpid()) + "-" +
                                                          std::to_string(++made));
        fs::create_directories((root / c.file).parent_path());
        std::ofstream(root / c.file) << c.source;
        std::string error;
        try {
            buildDataSet(root.string());
        } catch (const DataError& e) {
            error = e.what();
        }
        fs::remove_all(root);
        SCOPED_TRACE(c.source);
        if (*c.expected) {
            EXPECT_EQ(error, (root / c.file).parent_path().string() + "/" + c.expected);
        } else {
            // Readable: the build goes on and stops only at the drawings the temporary folder lacks.
            EXPECT_NE(error.find("nothing makes"), std::string::npos) << error;
        }
    }
    EXPECT_NO_THROW(buildDataSet(std::string(SOURCE_DIR) + "/data"));
}
