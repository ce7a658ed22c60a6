#pragma once
// Drawing files the GUI tests write for themselves, into the scratch folder's DATA tree.

#include <windows.h>

#include <string>
#include <vector>

// Creates the DATA subfolders of the scratch folder.
void MakeDataFolders();

// A metafile that fills the rectangle (left, top)-(right, bottom), in drawing units, in `colour`.
void WriteRectangleDrawing(const std::string& path, int left, int top, int right, int bottom, COLORREF colour);

void WriteBytes(const std::string& path, const std::string& bytes);
// The whole file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
// A file of the DATA tree generated beside the test program ("MISC\\CABLES.IDX").
std::string GeneratedDataFile(const std::string& file);

// The files (not folders) in a folder, with their paths.
std::vector<std::string> FilesIn(const std::string& folder);

class Pixels;
// The manual's picture of high contrast, which Wine cannot switch on: written as a 24-bit BMP
// when HIGH_CONTRAST_SHOT names a file.
void SaveHighContrastShot(const Pixels& pixels);

// Deletes a folder with everything in it.
void RemoveTree(const std::string& folder);
