#include "mycables/WindowsFolder.h"

#include <windows.h>

#include "framework/FileBytes.h"
#include "framework/Handle.h"
#include "mycables/MyCableCache.h"

namespace {
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
    FileBytes file = ReadFileBytes(path, limit);
    if (!file.ok()) return false;
    bytes = std::move(file.bytes);
    if (bytes.size() > limit) bytes.resize(limit);
    return true;
}

bool WindowsFolder::Write(const std::string& path, const std::string& bytes, bool mustBeNew) {
    ScopedHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, mustBeNew ? CREATE_NEW : CREATE_ALWAYS,
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
