#include "PictureSet.h"

#include "BmpWriter.h"
#include "Icon.h"
#include "Keys.h"
#include "TitlePictures.h"

#include "framework/DpiScale.h"

#include <functional>
#include <stdexcept>

namespace bitmaps {

namespace {

struct BitmapSource {
    OutputFile file;
    std::function<Canvas()> draw;
};

// Sizes in 96-DPI pixels; the source draws at `dpi`.
std::vector<BitmapSource> bitmapSources(int percent)
{
    const int dpi = DpiOfPercent(percent);
    const std::string suffix = percent == 100 ? "" : "_" + std::to_string(percent);
    auto bitmap = [&](const std::string& stem, int width, int height, std::function<Canvas(int)> draw) {
        return BitmapSource{{stem + suffix + ".bmp", ScaleForDpi(width, dpi), ScaleForDpi(height, dpi),
                             FileKind::Bitmap},
                            [draw, dpi] { return draw(dpi); }};
    };
    std::vector<BitmapSource> sources{
        bitmap("start_picture", 400, 300, startPicture),
        bitmap("logo", 120, 40, logo),
        bitmap("ok_up", 47, 47, [](int d) { return okKey(47, false, d); }),
        bitmap("ok_down", 47, 47, [](int d) { return okKey(47, true, d); }),
        bitmap("no_up", 47, 47, [](int d) { return noKey(47, false, d); }),
        bitmap("no_down", 47, 47, [](int d) { return noKey(47, true, d); }),
        bitmap("ok_up_2", 40, 40, [](int d) { return okKey(40, false, d); }),
        bitmap("ok_down_2", 40, 40, [](int d) { return okKey(40, true, d); }),
        bitmap("no_up_2", 40, 40, [](int d) { return noKey(40, false, d); }),
        bitmap("no_down_2", 40, 40, [](int d) { return noKey(40, true, d); }),
    };
    for (int number = 1; number <= functionKeyCount; ++number) {
        std::string stem = "f" + std::to_string(number);
        sources.push_back(bitmap(stem + "_up", functionKeySize, functionKeySize,
                                 [number](int d) { return functionKey(number, false, d); }));
        sources.push_back(bitmap(stem + "_down", functionKeySize, functionKeySize,
                                 [number](int d) { return functionKey(number, true, d); }));
    }
    return sources;
}

const char* const iconName = "strandor.ico";

} // namespace

std::vector<OutputFile> outputFiles(int percent)
{
    std::vector<OutputFile> files;
    for (const BitmapSource& source : bitmapSources(percent))
        files.push_back(source.file);
    if (percent != 100)
        return files;
    int largest = iconSizes().front();
    files.push_back({iconName, largest, largest, FileKind::Icon});
    return files;
}

std::vector<int> iconSizes()
{
    return {32, 16};
}

void writeAllFiles(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    for (int percent : BitmapPercents)
        for (const BitmapSource& source : bitmapSources(percent)) {
            Canvas canvas = source.draw();
            if (canvas.width() != source.file.width || canvas.height() != source.file.height)
                throw std::logic_error(source.file.name + " was drawn at the wrong size");
            writeFile(folder / source.file.name, encodeBitmap(canvas));
        }
    std::vector<Canvas> images;
    for (int size : iconSizes())
        images.push_back(programIcon(size));
    writeFile(folder / iconName, encodeIcon(images));
}

} // namespace bitmaps
