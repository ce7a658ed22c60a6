#pragma once
// Encodes canvases as 16-colour Windows bitmaps and icons.
#include "Canvas.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace bitmaps {

using Bytes = std::vector<std::uint8_t>;

// A BMP file: BITMAPINFOHEADER, 4 bits per pixel, the 16-colour palette,
// rows bottom-up padded to four bytes. A transparent pixel is an error here.
Bytes encodeBitmap(const Canvas& canvas);
// An ICO file holding each canvas as a 4-bit image with an AND mask;
// transparent pixels become black with their mask bit set.
Bytes encodeIcon(const std::vector<Canvas>& images);

void writeFile(const std::filesystem::path& path, const Bytes& bytes);

} // namespace bitmaps
