#pragma once
// The one way the programs, datagen, the bench and the tests read a file whole. No windows.h: the
// program links the Win32 reader (FileBytes.cpp), the host tools the standard library's
// (FileBytesHost.cpp); both answer alike.

#include <cstddef>
#include <string>

struct FileBytes {
    // The file's bytes, at most `limit + 1` of them: a file longer than its reader's limit comes back
    // one byte too long (see tooLong), so the reader can tell it from one that just fits.
    std::string bytes;
    // Empty when the file was read; else why not, in the system's own words.
    std::string error;
    // The file, or the folder it should be in, does not exist.
    bool missing = false;

    bool ok() const { return error.empty(); }
    bool tooLong(std::size_t limit) const { return bytes.size() > limit; }
};

// Reads the file at `path`, or its first `limit + 1` bytes; other programs may read or write it
// meanwhile. Never throws for a file that cannot be read: the answer says why.
FileBytes ReadFileBytes(const std::string& path, std::size_t limit);
