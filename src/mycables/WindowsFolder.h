#pragma once
// The user's cables' files on disk, through the Windows file functions.

#include "mycables/MyCableFolder.h"

class WindowsFolder : public MyCableFolder {
public:
    std::vector<FolderFile> TextFiles(const std::string& folder, bool (*wanted)(const std::string&),
                                      std::size_t limit) override;
    std::vector<std::string> Folders(const std::string& folder) override;
    bool Read(const std::string& path, std::size_t limit, std::string& bytes) override;
    bool Write(const std::string& path, const std::string& bytes, bool mustBeNew) override;
    bool Exists(const std::string& path) override;
    void MakeFolder(const std::string& path) override;
    void Remove(const std::string& path) override;
    void RemoveFolder(const std::string& path) override;
};
