#include "mycables/WindowsFolder.h"

#include <windows.h>

#include <algorithm>

#include "mycables/MyCableCache.h"

namespace {
// A handle of the kind `release` closes, closed when it goes.
template <BOOL(WINAPI* release)(HANDLE)>
class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle(handle) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() {
        if (valid()) release(handle);
    }
    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle; }

private:
    HANDLE handle;
};
using FileHandle = OwnedHandle<::CloseHandle>;
using FindHandle = OwnedHandle<::FindClose>;

std::uint64_t stampOf(const WIN32_FIND_DATAA& found) {
    const std::uint64_t written = (std::uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32) | found.ftLastWriteTime.dwLowDateTime;
    const std::uint64_t size = (std::uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    return MixStamp(written, size);
}

bool isDots(const char* name) { return std::string(name) == "." || std::string(name) == ".."; }
}  // namespace

std::vector<FolderFile> WindowsFolder::TextFiles(const std::string& folder, bool (*wanted)(const std::string&),
                                                 std::size_t limit) {
    std::vector<FolderFile> files;
    WIN32_FIND_DATAA found;
    FindHandle find(::FindFirstFileA((folder + "\\*.txt").c_str(), &found));
    if (!find.valid()) return files;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (wanted(found.cFileName)) files.push_back({found.cFileName, stampOf(found)});
    } while (files.size() < limit && ::FindNextFileA(find.get(), &found));
    return files;
}

std::vector<std::string> WindowsFolder::Folders(const std::string& folder) {
    std::vector<std::string> folders;
    WIN32_FIND_DATAA found;
    FindHandle find(::FindFirstFileA((folder + "\\*").c_str(), &found));
    if (!find.valid()) return folders;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !isDots(found.cFileName)) folders.push_back(found.cFileName);
    } while (::FindNextFileA(find.get(), &found));
    return folders;
}

bool WindowsFolder::Read(const std::string& path, std::size_t limit, std::string& bytes) {
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    bytes.clear();
    char buffer[16 * 1024];
    DWORD got = 0;
    while (bytes.size() < limit && ::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, std::min<std::size_t>(got, limit - bytes.size()));
    return true;
}

bool WindowsFolder::Write(const std::string& path, const std::string& bytes, bool mustBeNew) {
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, mustBeNew ? CREATE_NEW : CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    DWORD written = 0;
    return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool WindowsFolder::Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WindowsFolder::MakeFolder(const std::string& path) { ::CreateDirectoryA(path.c_str(), nullptr); }

void WindowsFolder::Remove(const std::string& path) { ::DeleteFileA(path.c_str()); }

void WindowsFolder::RemoveFolder(const std::string& path) {
    WIN32_FIND_DATAA found;
    {
        FindHandle find(::FindFirstFileA((path + "\\*").c_str(), &found));
        if (find.valid()) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileA((path + "\\" + found.cFileName).c_str());
            } while (::FindNextFileA(find.get(), &found));
        }
    }
    ::RemoveDirectoryA(path.c_str());
}
