#include "framework/FileBytes.h"

#include <algorithm>

#include "framework/File.h"

FileBytes ReadFileBytes(const std::string& path, std::size_t limit) {
    FileBytes file;
    try {
        CFile input(path, CFile::modeRead | CFile::shareDenyNone);
        char chunk[64 * 1024];
        while (file.bytes.size() <= limit) {
            const std::size_t wanted = std::min<std::size_t>(sizeof chunk, limit + 1 - file.bytes.size());
            const UINT got = input.Read(chunk, static_cast<UINT>(wanted));
            if (got == 0) break;
            file.bytes.append(chunk, got);
        }
    } catch (const CFileException& failure) {
        file.bytes.clear();
        file.error = CFileException::describe(failure.systemError());
        file.missing = failure.systemError() == ERROR_FILE_NOT_FOUND || failure.systemError() == ERROR_PATH_NOT_FOUND;
    }
    return file;
}
