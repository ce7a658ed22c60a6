#pragma once
// Every file the resource script needs, and the drawing of all of them into a folder.
#include <filesystem>
#include <string>
#include <vector>

namespace bitmaps {

enum class FileKind { Bitmap, Icon };

struct OutputFile {
    std::string name;
    int width;  // for the icon: its largest image
    int height;
    FileKind kind;
};

// The files in the order they are written.
std::vector<OutputFile> outputFiles();
// The square sizes of the images inside the icon, largest first.
std::vector<int> iconSizes();
// Draws every file into the folder, creating it if needed.
void writeAllFiles(const std::filesystem::path& folder);

} // namespace bitmaps
