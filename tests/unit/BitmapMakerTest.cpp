// The drawn bitmaps and icon: their file format, and that each picture shows its subject.
#include "BmpWriter.h"
#include "Canvas.h"
#include "PictureSet.h"
#include "PixelFont.h"
#include "framework/FileBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <random>

namespace fs = std::filesystem;
using namespace bitmaps;

namespace {

std::vector<std::uint8_t> readBytes(const fs::path& path)
{
    const std::string bytes = ReadFileBytes(path.string(), 16 << 20).bytes;
    return {bytes.begin(), bytes.end()};
}

std::uint32_t u16(const std::vector<std::uint8_t>& b, size_t at)
{
    return b.at(at) | (b.at(at + 1) << 8);
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, size_t at)
{
    return u16(b, at) | (u16(b, at + 2) << 16);
}

std::int32_t s32(const std::vector<std::uint8_t>& b, size_t at)
{
    return static_cast<std::int32_t>(u32(b, at));
}

// Palette indices, named here independently of the tool's own enum.
enum : int {
    black = 0, darkRed = 1, darkGreen = 2, olive = 3, darkBlue = 4, lightGrey = 7, darkGrey = 8,
    red = 9, green = 10, yellow = 11, blue = 12, white = 15
};

// A 4-bit bottom-up BMP read back pixel by pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<int> indices;

    int at(int x, int y) const { return indices.at(static_cast<size_t>(y) * width + x); }

    int count(int colour, int left, int top, int right, int bottom) const
    {
        int n = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                n += at(x, y) == colour;
        return n;
    }

    int count(int colour) const { return count(colour, 0, 0, width - 1, height - 1); }

    bool plain(int colour, int left, int top, int right, int bottom) const
    {
        return count(colour, left, top, right, bottom) == (right - left + 1) * (bottom - top + 1);
    }
};

Picture decode(const std::vector<std::uint8_t>& b)
{
    Picture p;
    p.width = s32(b, 18);
    p.height = s32(b, 22);
    size_t rowBytes = ((static_cast<size_t>(p.width) * 4 + 31) / 32) * 4;
    size_t offset = u32(b, 10);
    for (int y = 0; y < p.height; ++y) {
        size_t row = offset + (p.height - 1 - y) * rowBytes;
        for (int x = 0; x < p.width; ++x) {
            std::uint8_t byte = b.at(row + x / 2);
            p.indices.push_back(x % 2 == 0 ? byte >> 4 : byte & 0x0f);
        }
    }
    return p;
}

class BitmapMakerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = fs::temp_directory_path() / ("bitmap_maker_test_" + std::to_string(std::random_device{}()));
        fs::remove_all(folder);
        writeAllFiles(folder / "out"); // the folder does not exist yet: it must be created
    }

    static void TearDownTestSuite() { fs::remove_all(folder); }

    static std::vector<std::uint8_t> bytes(const std::string& name) { return readBytes(folder / "out" / name); }
    static Picture picture(const std::string& name) { return decode(bytes(name)); }

    static fs::path folder;
};

fs::path BitmapMakerTest::folder;

std::map<std::string, std::pair<int, int>> expectedBitmaps()
{
    std::map<std::string, std::pair<int, int>> sizes{
        {"start_picture.bmp", {400, 300}}, {"logo.bmp", {120, 40}},
        {"ok_up.bmp", {47, 47}}, {"ok_down.bmp", {47, 47}},
        {"no_up.bmp", {47, 47}}, {"no_down.bmp", {47, 47}},
        {"ok_up_2.bmp", {40, 40}}, {"ok_down_2.bmp", {40, 40}},
        {"no_up_2.bmp", {40, 40}}, {"no_down_2.bmp", {40, 40}},
    };
    for (int n = 1; n <= 10; ++n) {
        sizes["f" + std::to_string(n) + "_up.bmp"] = {40, 40};
        sizes["f" + std::to_string(n) + "_down.bmp"] = {40, 40};
    }
    return sizes;
}

std::vector<std::string> keyStems()
{
    std::vector<std::string> stems{"ok", "no", "ok_2", "no_2"};
    for (int n = 1; n <= 10; ++n)
        stems.push_back("f" + std::to_string(n));
    return stems;
}

// "ok_2" -> "ok_up_2.bmp"; "f3" -> "f3_up.bmp"
std::string keyFile(const std::string& stem, bool pressed)
{
    std::string state = pressed ? "_down" : "_up";
    size_t underscore = stem.find('_');
    if (underscore == std::string::npos)
        return stem + state + ".bmp";
    return stem.substr(0, underscore) + state + stem.substr(underscore) + ".bmp";
}

} // namespace

TEST_F(BitmapMakerTest, ListsEveryBitmapAndTheIconAtTheirSizes)
{
    auto expected = expectedBitmaps();
    std::set<std::string> listed;
    int icons = 0;
    for (const OutputFile& file : outputFiles()) {
        listed.insert(file.name);
        if (file.kind == FileKind::Icon) {
            ++icons;
            EXPECT_EQ(file.name, "strandor.ico");
            continue;
        }
        ASSERT_EQ(expected.count(file.name), 1u) << file.name;
        EXPECT_EQ(file.width, expected[file.name].first) << file.name;
        EXPECT_EQ(file.height, expected[file.name].second) << file.name;
    }
    EXPECT_EQ(icons, 1);
    EXPECT_EQ(listed.size(), expected.size() + 1);
    for (const auto& entry : expected)
        EXPECT_TRUE(fs::exists(folder / "out" / entry.first)) << entry.first;
    EXPECT_TRUE(fs::exists(folder / "out" / "strandor.ico"));
}

TEST_F(BitmapMakerTest, EveryBitmapIsASixteenColourBmp)
{
    const std::uint8_t palette[16][3] = {
        {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128},
        {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},
        {255, 255, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (const auto& [name, size] : expectedBitmaps()) {
        SCOPED_TRACE(name);
        auto b = bytes(name);
        auto [width, height] = size;
        size_t rowBytes = ((static_cast<size_t>(width) * 4 + 31) / 32) * 4;
        ASSERT_GE(b.size(), 118u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(u32(b, 2), b.size());
        EXPECT_EQ(b.size(), 118 + rowBytes * height);
        EXPECT_EQ(u32(b, 10), 118u);
        EXPECT_EQ(u32(b, 14), 40u);
        EXPECT_EQ(s32(b, 18), width);
        EXPECT_EQ(s32(b, 22), height); // positive: bottom-up
        EXPECT_EQ(u16(b, 26), 1u);
        EXPECT_EQ(u16(b, 28), 4u);
        EXPECT_EQ(u32(b, 30), 0u); // BI_RGB
        EXPECT_EQ(u32(b, 34), rowBytes * height);
        EXPECT_EQ(u32(b, 46), 16u);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(b[54 + 4 * i + 0], palette[i][2]) << "entry " << i;
            EXPECT_EQ(b[54 + 4 * i + 1], palette[i][1]) << "entry " << i;
            EXPECT_EQ(b[54 + 4 * i + 2], palette[i][0]) << "entry " << i;
            EXPECT_EQ(b[54 + 4 * i + 3], 0) << "entry " << i;
        }
        // Whatever lies past the last pixel of a row is zero.
        size_t used = (static_cast<size_t>(width) + 1) / 2;
        for (int row = 0; row < height; ++row) {
            size_t start = 118 + row * rowBytes;
            for (size_t i = used; i < rowBytes; ++i)
                ASSERT_EQ(b[start + i], 0) << "row " << row;
            if (width % 2 == 1) {
                ASSERT_EQ(b[start + used - 1] & 0x0f, 0) << "row " << row;
            }
        }
    }
}

TEST_F(BitmapMakerTest, DrawingIsReproducible)
{
    fs::path again = folder / "again";
    writeAllFiles(again);
    for (const OutputFile& file : outputFiles())
        EXPECT_EQ(readBytes(again / file.name), bytes(file.name)) << file.name;
}

TEST_F(BitmapMakerTest, OkKeysCarryAGreenTickAndNoKeysARedCross)
{
    for (std::string suffix : {"", "_2"})
        for (bool pressed : {false, true}) {
            Picture ok = picture(keyFile("ok" + suffix, pressed));
            Picture no = picture(keyFile("no" + suffix, pressed));
            EXPECT_GT(ok.count(green), 60) << suffix;
            EXPECT_EQ(ok.count(red), 0) << suffix;
            EXPECT_GT(no.count(red), 60) << suffix;
            EXPECT_EQ(no.count(green), 0) << suffix;
            // The cross is symmetric: its centre is inked, the tick's left arm is low.
            int c = no.width / 2;
            EXPECT_TRUE(no.at(c, c) == red || no.at(c + 1, c + 1) == red) << suffix;
            EXPECT_EQ(ok.count(green, 0, 0, ok.width / 3, ok.height / 3), 0) << suffix;
        }
}

TEST_F(BitmapMakerTest, RaisedKeysAreLitTopLeftAndPressedKeysBottomRight)
{
    for (const std::string& stem : keyStems()) {
        SCOPED_TRACE(stem);
        Picture up = picture(keyFile(stem, false));
        Picture down = picture(keyFile(stem, true));
        int last = up.width - 1;
        EXPECT_EQ(up.at(0, 0), white);
        EXPECT_EQ(up.at(last / 2, 1), white);
        EXPECT_EQ(up.at(1, last / 2), white);
        EXPECT_EQ(up.at(last, last), black);
        EXPECT_EQ(up.at(last / 2, last), black);
        EXPECT_EQ(up.at(last / 2, last - 1), darkGrey);
        EXPECT_EQ(down.at(last / 2, 0), black);
        EXPECT_EQ(down.at(0, last / 2), black);
        EXPECT_EQ(down.at(last / 2, last), white);
        EXPECT_EQ(down.at(last, last / 2), white);
        EXPECT_NE(up.indices, down.indices);
    }
}

TEST_F(BitmapMakerTest, PressedKeysShowTheSamePictureOnePixelDownAndRight)
{
    for (const std::string& stem : keyStems()) {
        SCOPED_TRACE(stem);
        Picture up = picture(keyFile(stem, false));
        Picture down = picture(keyFile(stem, true));
        int mismatches = 0;
        for (int y = 3; y <= up.height - 4; ++y)
            for (int x = 3; x <= up.width - 4; ++x)
                mismatches += down.at(x + 1, y + 1) != up.at(x, y);
        EXPECT_EQ(mismatches, 0);
        // And the picture is not just a blank face.
        EXPECT_LT(up.count(lightGrey, 3, 3, up.width - 4, up.height - 4), (up.width - 6) * (up.height - 6) * 9 / 10);
    }
}

TEST_F(BitmapMakerTest, FunctionKeysShowTheirSubjects)
{
    struct Expectation {
        int key;
        std::vector<int> colours;
    };
    const std::vector<Expectation> expectations{
        {1, {yellow}},              // question mark
        {2, {green, white}},        // information badge
        {3, {white, darkGrey, darkBlue}}, // printer and sheet
        {4, {red, olive}},          // arrow and door
        {5, {blue, red, darkGrey}}, // cable between two plugs
        {6, {darkBlue, blue, yellow, green}}, // caption, connector, badge
        {7, {darkBlue, blue, yellow, green}},
        {8, {blue, red, green}},    // cable and badge
        {9, {darkBlue, white, blue}}, // caption and list sheet
        {10, {blue, white, darkBlue}}, // book with a connector
    };
    for (const Expectation& e : expectations)
        for (bool pressed : {false, true}) {
            Picture key = picture(keyFile("f" + std::to_string(e.key), pressed));
            for (int colour : e.colours)
                EXPECT_GT(key.count(colour, 3, 3, 36, 36), 4) << "F" << e.key << " colour " << colour;
            // The key's name in dark lettering in the lower right corner.
            EXPECT_GT(key.count(black, 22, 28, 36, 36), 8) << "F" << e.key;
        }
    // F6 and F7 differ only in their caption.
    Picture start = picture("f6_up.bmp"), end = picture("f7_up.bmp");
    EXPECT_NE(start.count(darkBlue, 3, 3, 36, 10), end.count(darkBlue, 3, 3, 36, 10));
}

TEST_F(BitmapMakerTest, StartPictureHasTheNameOnTopAndKeepsTheVersionAndButtonsClear)
{
    Picture p = picture("start_picture.bmp");
    // Large red and blue lettering in the top panel, with its dark shadow.
    EXPECT_GT(p.count(red, 12, 12, 384, 108), 1500);
    EXPECT_GT(p.count(blue, 12, 12, 384, 108), 600);
    EXPECT_GT(p.count(darkGrey, 12, 12, 384, 108), 300);
    // The plugs and connectors in the lower panel are red and blue too.
    EXPECT_GT(p.count(red, 22, 152, 374, 278), 100);
    EXPECT_GT(p.count(blue, 22, 152, 374, 278), 100);
    // "Strand" comes before "or!": red on the left of the blue.
    EXPECT_GT(p.count(red, 12, 12, 150, 108), 0);
    EXPECT_EQ(p.count(blue, 12, 12, 150, 108), 0);
    // Sunken panel: dark grey along its top and left, white along its bottom and right.
    EXPECT_TRUE(p.plain(darkGrey, 10, 10, 384, 10));
    EXPECT_TRUE(p.plain(darkGrey, 10, 10, 10, 109));
    EXPECT_TRUE(p.plain(white, 10, 110, 385, 110));
    EXPECT_TRUE(p.plain(white, 385, 10, 385, 110));
    // The subtitle in the panel under the name.
    EXPECT_GT(p.count(darkBlue, 12, 70, 384, 108), 100);
    // A frame around the lower panel.
    EXPECT_GT(p.count(darkGrey, 18, 148, 22, 282), 100);
    EXPECT_GT(p.count(white, 18, 148, 378, 152), 300);
    // The program writes the version here and places its two buttons here.
    EXPECT_TRUE(p.plain(lightGrey, 60, 195, 340, 222));
    EXPECT_TRUE(p.plain(lightGrey, 52, 196, 100, 244));
    EXPECT_TRUE(p.plain(lightGrey, 300, 196, 348, 244));
    // Between the two panels there is nothing but grey.
    EXPECT_TRUE(p.plain(lightGrey, 0, 112, 395, 147));
}

TEST_F(BitmapMakerTest, LogoHasTheNameInRedAndBlue)
{
    Picture p = picture("logo.bmp");
    EXPECT_GT(p.count(red, 0, 0, 119, 24), 100);
    EXPECT_GT(p.count(blue, 0, 0, 119, 24), 40);
    EXPECT_GT(p.count(black, 80, 25, 119, 39), 20); // the version mark
    EXPECT_EQ(p.at(0, 0), lightGrey);
    EXPECT_EQ(p.at(119, 39), lightGrey);
}

TEST_F(BitmapMakerTest, IconHoldsA32And16PixelImageWithMasks)
{
    auto b = bytes("strandor.ico");
    ASSERT_GE(b.size(), 6u + 2 * 16);
    EXPECT_EQ(u16(b, 0), 0u);
    EXPECT_EQ(u16(b, 2), 1u);
    ASSERT_EQ(u16(b, 4), 2u);
    size_t expectedOffset = 6 + 2 * 16;
    const int sizes[2] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(sizes[i]);
        size_t entry = 6 + 16 * i;
        int size = sizes[i];
        size_t xorRow = ((size * 4 + 31) / 32) * 4, andRow = ((size + 31) / 32) * 4;
        size_t imageBytes = 40 + 64 + (xorRow + andRow) * size;
        EXPECT_EQ(b[entry], size);
        EXPECT_EQ(b[entry + 1], size);
        EXPECT_EQ(b[entry + 2], 16);
        EXPECT_EQ(b[entry + 3], 0);
        EXPECT_EQ(u16(b, entry + 4), 1u);
        EXPECT_EQ(u16(b, entry + 6), 4u);
        EXPECT_EQ(u32(b, entry + 8), imageBytes);
        size_t offset = u32(b, entry + 12);
        EXPECT_EQ(offset, expectedOffset);
        ASSERT_LE(offset + imageBytes, b.size());
        EXPECT_EQ(u32(b, offset), 40u);
        EXPECT_EQ(s32(b, offset + 4), size);
        EXPECT_EQ(s32(b, offset + 8), 2 * size);
        EXPECT_EQ(u16(b, offset + 12), 1u);
        EXPECT_EQ(u16(b, offset + 14), 4u);

        // Read the colours and the mask; the picture sits on a see-through background.
        size_t pixels = offset + 40 + 64;
        size_t mask = pixels + xorRow * size;
        auto colourAt = [&](int x, int y) {
            std::uint8_t byte = b[pixels + (size - 1 - y) * xorRow + x / 2];
            return x % 2 == 0 ? byte >> 4 : byte & 0x0f;
        };
        auto clearAt = [&](int x, int y) {
            return (b[mask + (size - 1 - y) * andRow + x / 8] >> (7 - x % 8)) & 1;
        };
        int clear = 0, reds = 0, blues = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                if (clearAt(x, y)) {
                    ++clear;
                    EXPECT_EQ(colourAt(x, y), black) << x << "," << y;
                }
                reds += !clearAt(x, y) && colourAt(x, y) == red;
                blues += !clearAt(x, y) && colourAt(x, y) == blue;
            }
        EXPECT_EQ(clearAt(0, 0), 1);
        EXPECT_EQ(clearAt(0, size - 1), 1);
        EXPECT_EQ(clearAt(size / 2, size / 2), 0);
        EXPECT_GT(clear, size * size / 5);
        EXPECT_LT(clear, size * size * 4 / 5);
        EXPECT_GT(reds, size / 4);
        EXPECT_GT(blues, size);
        expectedOffset += imageBytes;
    }
    EXPECT_EQ(b.size(), expectedOffset);
}

TEST(BitmapEncoding, PacksTwoPixelsABytePaddedRowsBottomUp)
{
    Canvas canvas(3, 2, Colour::White);
    canvas.set(0, 0, Colour::Red);
    canvas.set(2, 1, Colour::Blue);
    Bytes b = encodeBitmap(canvas);
    ASSERT_EQ(b.size(), 118u + 2 * 4);
    // Bottom row first: white white blue, then the top row: red white white.
    EXPECT_EQ(b[118], 0xff);
    EXPECT_EQ(b[119], 0xc0);
    EXPECT_EQ(b[120], 0);
    EXPECT_EQ(b[121], 0);
    EXPECT_EQ(b[122], 0x9f);
    EXPECT_EQ(b[123], 0xf0);
}

TEST(BitmapEncoding, RefusesTransparentPixels)
{
    Canvas canvas(4, 4, Colour::Transparent);
    EXPECT_THROW(encodeBitmap(canvas), std::invalid_argument);
}

TEST(BitmapCanvas, PolygonCornersArePixelCorners)
{
    Canvas canvas(10, 10, Colour::White);
    canvas.fillPolygon({{2, 3}, {6, 3}, {6, 5}, {2, 5}}, Colour::Black);
    int inked = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            inked += canvas.at(x, y) == Colour::Black;
    EXPECT_EQ(inked, 4 * 2);
    EXPECT_EQ(canvas.at(2, 3), Colour::Black);
    EXPECT_EQ(canvas.at(5, 4), Colour::Black);
    EXPECT_EQ(canvas.at(6, 4), Colour::White);
    EXPECT_EQ(canvas.at(2, 5), Colour::White);
}

TEST(BitmapCanvas, LinesReachBothEndsAndDrawingIsClipped)
{
    Canvas canvas(8, 8, Colour::White);
    canvas.line({1, 6}, {6, 2}, Colour::Red);
    EXPECT_EQ(canvas.at(1, 6), Colour::Red);
    EXPECT_EQ(canvas.at(6, 2), Colour::Red);
    canvas.disc(0, 0, 3, Colour::Blue); // partly outside: no crash, corner inked
    EXPECT_EQ(canvas.at(0, 0), Colour::Blue);
    EXPECT_EQ(canvas.at(7, 7), Colour::White);
    EXPECT_THROW(canvas.at(8, 0), std::out_of_range);
}

TEST(BitmapFont, MeasuresTextAndRefusesUnknownCharacters)
{
    const PixelFont& font = PixelFont::regular();
    EXPECT_EQ(font.textWidth("A"), 5);
    EXPECT_EQ(font.textWidth("AA"), 11);
    EXPECT_EQ(font.textWidth("AA", 2, 1), 2 * (10 + 1) + 2);
    EXPECT_THROW(font.textWidth("@"), std::invalid_argument);
    for (char c : std::string("StrandorCable-makingguidev1.04!"))
        EXPECT_TRUE(font.has(c)) << c;
    for (char c : std::string("STARTENDUSERNOTESF0123456789"))
        EXPECT_TRUE(PixelFont::small().has(c)) << c;
}

// At 150 and 200 % every bitmap is the same picture drawn afresh at the finer resolution: it agrees
// with the 100 % picture sampled at each pixel's centre almost everywhere, and the pictures with
// curves and discs are not a pixel-for-pixel enlargement of it.
TEST_F(BitmapMakerTest, LargerSizesRedrawTheSamePictures)
{
    for (int percent : {150, 200}) {
        for (const auto& [name, size] : expectedBitmaps()) {
            std::string stem = name.substr(0, name.size() - 4);
            SCOPED_TRACE(stem + " at " + std::to_string(percent) + " %");
            Picture small = picture(name);
            Picture large = picture(stem + "_" + std::to_string(percent) + ".bmp");
            // 47 at 150 % is 70.5: the half rounds up.
            EXPECT_EQ(large.width, (size.first * percent + 50) / 100);
            EXPECT_EQ(large.height, (size.second * percent + 50) / 100);
            int agreeing = 0;
            for (int y = 0; y < large.height; ++y)
                for (int x = 0; x < large.width; ++x) {
                    int sx = std::min(small.width - 1, (2 * x + 1) * 100 / (2 * percent));
                    int sy = std::min(small.height - 1, (2 * y + 1) * 100 / (2 * percent));
                    agreeing += large.at(x, y) == small.at(sx, sy);
                }
            // At 150 % a one-pixel line is one or two pixels wide by turns: more of the edges differ.
            EXPECT_GT(agreeing, large.width * large.height * (percent == 200 ? 85 : 72) / 100);
            if (percent == 200 && (stem == "start_picture" || stem == "ok_up" || stem == "f5_up")) {
                EXPECT_LT(agreeing, large.width * large.height) << "drawn, not enlarged";
            }
        }
    }
}

TEST(BitmapCanvas, AtTwiceTheDpiAPixelIsTwoByTwoAndADiscIsRoundAtTheFinerResolution)
{
    Canvas canvas(20, 20, Colour::White, 192);
    ASSERT_EQ(canvas.width(), 40);
    canvas.set(1, 2, Colour::Red);
    EXPECT_EQ(canvas.at(2, 4), Colour::Red);
    EXPECT_EQ(canvas.at(3, 5), Colour::Red);
    EXPECT_EQ(canvas.at(4, 4), Colour::White);
    // Radius 4 around (10, 10): the pixels within sqrt(9 * 9 - 1) of (21, 21), not 2 x 2 blocks.
    canvas.disc(10, 10, 4, Colour::Black);
    EXPECT_EQ(canvas.at(12, 20), Colour::Black);
    EXPECT_EQ(canvas.at(13, 16), Colour::Black);
    EXPECT_EQ(canvas.at(12, 16), Colour::White);
}
