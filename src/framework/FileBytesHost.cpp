// The host tools' reader of FileBytes.h, on the standard library.
#include "framework/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

FileBytes ReadFileBytes(const std::string& path, std::size_t limit) {
    FileBytes file;
    errno = 0;
    std::ifstream input(path, std::ios::binary);
    if (!input) {
        const int reason = errno;
        file.error = reason ? std::strerror(reason) : "cannot be opened";
        file.missing = reason == ENOENT || reason == ENOTDIR;
        return file;
    }
    char chunk[64 * 1024];
    while (file.bytes.size() <= limit) {
        const std::size_t wanted = std::min<std::size_t>(sizeof chunk, limit + 1 - file.bytes.size());
        input.read(chunk, static_cast<std::streamsize>(wanted));
        if (input.gcount() == 0) break;
        file.bytes.append(chunk, static_cast<std::size_t>(input.gcount()));
    }
    if (input.bad()) {
        file.bytes.clear();
        file.error = "cannot be read";
    }
    return file;
}
