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

// The files drawn at `percent` (100, 150 or 200) of their size, in the order they are written.
// At 100 % they are the bitmaps and the icon; at 150 and 200 % the bitmaps the program shows on
// denser screens, each named as at 100 % with "_150" or "_200" before ".bmp".
std::vector<OutputFile> outputFiles(int percent = 100);
// The square sizes of the images inside the icon, largest first.
std::vector<int> iconSizes();
// Draws every file at every size into the folder, creating it if needed.
void writeAllFiles(const std::filesystem::path& folder);

} // namespace bitmaps
