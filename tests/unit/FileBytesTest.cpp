// The one file reader, as the host tools have it; the GUI tests build this file too, so the
// program's Win32 reader answers the same table.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "framework/FileBytes.h"

namespace {
struct Case {
    std::size_t size, limit;
    std::size_t expectedSize;
    bool tooLong;
};

TEST(FileBytes, AFileComesWholeUpToTheLimitAndOneByteMoreBeyondIt) {
    const std::string path = "file-bytes-test.bin";
    const Case cases[] = {{0, 10, 0, false},   {10, 10, 10, false}, {11, 10, 11, true},
                          {100000, 10, 11, true}, {100000, 200000, 100000, false}, {70000, 65536, 65537, true}};
    for (const Case& c : cases) {
        std::string written(c.size, '\0');
        for (std::size_t i = 0; i < c.size; ++i) written[i] = static_cast<char>(i * 7 + i / 251);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << written;
        const FileBytes file = ReadFileBytes(path, c.limit);
        EXPECT_TRUE(file.ok()) << file.error;
        EXPECT_FALSE(file.missing);
        EXPECT_EQ(file.bytes.size(), c.expectedSize) << c.size << " bytes, limit " << c.limit;
        EXPECT_EQ(file.tooLong(c.limit), c.tooLong) << c.size << " bytes, limit " << c.limit;
        EXPECT_TRUE(file.bytes == written.substr(0, c.expectedSize)) << "the bytes as written";
    }
    std::remove(path.c_str());
}

TEST(FileBytes, AMissingFileOrFolderIsToldAsMissingWithTheSystemsWords) {
    for (const char* path : {"no-such-file.txt", "no-such-folder/file.txt"}) {
        const FileBytes file = ReadFileBytes(path, 100);
        EXPECT_FALSE(file.ok()) << path;
        EXPECT_TRUE(file.missing) << path;
        EXPECT_TRUE(file.bytes.empty()) << path;
        EXPECT_GT(file.error.size(), 5u) << path << ": " << file.error;
    }
}
}  // namespace
