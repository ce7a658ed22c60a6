#pragma once
// The files the user's cables are kept in, as the shelf reads and writes them: the program's are
// Windows files (WindowsFolder), the host tests keep theirs in memory. Paths are the shelf's own,
// a folder and a name joined by '\'. No windows.h here.

#include <cstdint>
#include <string>
#include <vector>

struct FolderFile {
    std::string name;        // the file name alone
    std::uint64_t stamp = 0;  // changes whenever the file is written
};

class MyCableFolder {
public:
    virtual ~MyCableFolder() = default;

    // The plain files of `folder` whose names end in ".txt" and that `wanted` takes, at most `limit`.
    virtual std::vector<FolderFile> TextFiles(const std::string& folder, bool (*wanted)(const std::string&),
                                              std::size_t limit) = 0;
    // The names of the folders inside `folder`.
    virtual std::vector<std::string> Folders(const std::string& folder) = 0;
    // At most `limit` bytes of the file; false when it cannot be read.
    virtual bool Read(const std::string& path, std::size_t limit, std::string& bytes) = 0;
    // The whole file; with `mustBeNew`, false when it is there already.
    virtual bool Write(const std::string& path, const std::string& bytes, bool mustBeNew) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual void MakeFolder(const std::string& path) = 0;
    virtual void Remove(const std::string& path) = 0;
    // The folder and the files in it.
    virtual void RemoveFolder(const std::string& path) = 0;
};
