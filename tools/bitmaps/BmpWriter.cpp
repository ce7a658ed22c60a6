#include "BmpWriter.h"

#include <fstream>
#include <stdexcept>

namespace bitmaps {

namespace {

constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t paletteBytes = paletteSize * 4;

void put16(Bytes& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

void put32(Bytes& out, std::uint32_t value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

std::uint32_t nibbleRowBytes(int width)
{
    return ((static_cast<std::uint32_t>(width) * 4 + 31) / 32) * 4;
}

std::uint32_t maskRowBytes(int width)
{
    return ((static_cast<std::uint32_t>(width) + 31) / 32) * 4;
}

void putInfoHeader(Bytes& out, int width, int height, std::uint32_t imageBytes)
{
    put32(out, infoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, 0); // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, paletteSize);
    put32(out, 0);
}

void putPalette(Bytes& out)
{
    for (const Rgb& colour : windowsPalette()) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }
}

// The colour pixels, bottom row first, two to a byte with the left one in the high nibble.
void putPixels(Bytes& out, const Canvas& canvas, bool allowTransparent)
{
    std::uint32_t rowBytes = nibbleRowBytes(canvas.width());
    for (int y = canvas.height() - 1; y >= 0; --y) {
        Bytes row(rowBytes, 0);
        for (int x = 0; x < canvas.width(); ++x) {
            Colour colour = canvas.at(x, y);
            if (colour == Colour::Transparent) {
                if (!allowTransparent)
                    throw std::invalid_argument("a bitmap cannot hold transparent pixels");
                colour = Colour::Black;
            }
            auto index = static_cast<std::uint8_t>(colour);
            row[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(index << 4) : index;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

// One bit a pixel, set where the icon is see-through.
void putMask(Bytes& out, const Canvas& canvas)
{
    std::uint32_t rowBytes = maskRowBytes(canvas.width());
    for (int y = canvas.height() - 1; y >= 0; --y) {
        Bytes row(rowBytes, 0);
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.at(x, y) == Colour::Transparent)
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

} // namespace

Bytes encodeBitmap(const Canvas& canvas)
{
    std::uint32_t imageBytes = nibbleRowBytes(canvas.width()) * static_cast<std::uint32_t>(canvas.height());
    std::uint32_t offset = fileHeaderSize + infoHeaderSize + paletteBytes;
    Bytes out;
    out.reserve(offset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageBytes);
    put32(out, 0); // two reserved words
    put32(out, offset);
    putInfoHeader(out, canvas.width(), canvas.height(), imageBytes);
    putPalette(out);
    putPixels(out, canvas, false);
    return out;
}

Bytes encodeIcon(const std::vector<Canvas>& images)
{
    if (images.empty())
        throw std::invalid_argument("an icon needs at least one image");
    Bytes out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, static_cast<std::uint32_t>(images.size()));

    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (const Canvas& image : images) {
        if (image.width() > 255 || image.height() > 255)
            throw std::invalid_argument("icon images are at most 255 pixels square");
        std::uint32_t bytes = infoHeaderSize + paletteBytes
            + (nibbleRowBytes(image.width()) + maskRowBytes(image.width())) * image.height();
        out.push_back(static_cast<std::uint8_t>(image.width()));
        out.push_back(static_cast<std::uint8_t>(image.height()));
        out.push_back(paletteSize);
        out.push_back(0);
        put16(out, 1); // planes
        put16(out, 4); // bits per pixel
        put32(out, bytes);
        put32(out, offset);
        offset += bytes;
    }
    for (const Canvas& image : images) {
        std::uint32_t imageBytes = (nibbleRowBytes(image.width()) + maskRowBytes(image.width())) * image.height();
        // The height counts the colour image and the mask together.
        putInfoHeader(out, image.width(), image.height() * 2, imageBytes);
        putPalette(out);
        putPixels(out, image, true);
        putMask(out, image);
    }
    return out;
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace bitmaps
