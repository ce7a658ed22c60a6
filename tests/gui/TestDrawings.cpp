#include "TestDrawings.h"

#include <cstdlib>
#include <fstream>

#include "GuiHarness.h"
#include "framework/FileBytes.h"
#include "framework/Handle.h"

namespace {
// Larger than any file a test writes or the program makes (a printed page as a picture, say).
constexpr std::size_t MaxTestFileBytes = 64 * 1024 * 1024;
}  // namespace

void MakeDataFolders() {
    for (const char* folder : {"DATA", "DATA\\PLUG", "DATA\\PINOUTS", "DATA\\CABLE", "DATA\\NOTES", "DATA\\USERNOTE",
                               "DATA\\MISC"})
        ::CreateDirectoryA(folder, nullptr);
}

void WriteRectangleDrawing(const std::string& path, int left, int top, int right, int bottom, COLORREF colour) {
    ::DeleteFileA(path.c_str());
    HDC dc = ::CreateMetaFileA(path.c_str());
    HBRUSH brush = ::CreateSolidBrush(colour);
    HPEN pen = ::CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    ::Rectangle(dc, left, top, right, bottom);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::DeleteMetaFile(::CloseMetaFile(dc));
    ::DeleteObject(brush);
    ::DeleteObject(pen);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

std::string ReadBytes(const std::string& path) {
    return ReadFileBytes(path, MaxTestFileBytes).bytes;
}

std::string GeneratedDataFile(const std::string& file) {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\')) + "\\DATA\\" + file;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    const FindHandle search(::FindFirstFileA((folder + "\\*").c_str(), &found));
    if (!search.valid()) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(folder + "\\" + found.cFileName);
    } while (::FindNextFileA(search.get(), &found));
    return files;
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    {
        const FindHandle search(::FindFirstFileA((folder + "\\*").c_str(), &found));
        if (search.valid()) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(folder + "\\" + name);
                else
                    ::DeleteFileA((folder + "\\" + name).c_str());
            } while (::FindNextFileA(search.get(), &found));
        }
    }
    ::RemoveDirectoryA(folder.c_str());
}

// The manual's picture of high contrast, which Wine cannot switch on: written as a 24-bit BMP
// when HIGH_CONTRAST_SHOT names a file.
void SaveHighContrastShot(const Pixels& pixels) {
    const char* path = std::getenv("HIGH_CONTRAST_SHOT");
    if (!path) return;
    const int w = pixels.width(), h = pixels.height(), stride = (w * 3 + 3) & ~3;
    BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    std::string bytes(stride * h, '\0');
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = pixels.at(x, h - 1 - y);
            char* p = &bytes[y * stride + x * 3];
            p[0] = static_cast<char>(GetBValue(c)), p[1] = static_cast<char>(GetGValue(c)), p[2] = static_cast<char>(GetRValue(c));
        }
    file.bfSize = static_cast<DWORD>(file.bfOffBits + bytes.size());
    WriteBytes(path, std::string(reinterpret_cast<const char*>(&file), sizeof file) +
                         std::string(reinterpret_cast<const char*>(&info), sizeof info) + bytes);
}
