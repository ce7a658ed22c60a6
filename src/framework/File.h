#pragma once
// Files read by the program. Opening or reading failures throw CFileException with the path and
// the system's own words for the reason.

#include <windows.h>

#include <stdexcept>
#include <string>

#include "framework/Handle.h"

class CFileException : public std::runtime_error {
public:
    CFileException(const std::string& path, DWORD systemError);
    const std::string& path() const { return filePath; }
    DWORD systemError() const { return error; }
    // The system's message for the error, without the trailing line break.
    static std::string describe(DWORD systemError);

private:
    std::string filePath;
    DWORD error;
};

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        shareExclusive = 0x0010,
        shareDenyNone = 0x0040,
        // Writes go to the end; a missing file is made.
        modeAppend = 0x1000,
    };

    CFile(const std::string& path, unsigned flags);

    // Reads up to count bytes; returns how many came.
    UINT Read(void* buffer, UINT count);
    // Writes all bytes (at the end, in modeAppend) or throws.
    void Write(const void* buffer, UINT count);
    void Close();

private:
    std::string path;
    ScopedHandle handle;
};

// Adds the bytes at the end of the file, making it where there is none; throws CFileException.
void AppendToFile(const std::string& path, const std::string& bytes);
