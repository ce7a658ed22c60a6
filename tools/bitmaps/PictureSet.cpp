#include "PictureSet.h"

#include "BmpWriter.h"
#include "Icon.h"
#include "Keys.h"
#include "TitlePictures.h"

#include <functional>
#include <stdexcept>

namespace bitmaps {

namespace {

struct BitmapSource {
    OutputFile file;
    std::function<Canvas()> draw;
};

BitmapSource bitmap(const std::string& name, int width, int height, std::function<Canvas()> draw)
{
    return {{name, width, height, FileKind::Bitmap}, std::move(draw)};
}

std::vector<BitmapSource> bitmapSources()
{
    std::vector<BitmapSource> sources{
        bitmap("start_picture.bmp", 400, 300, startPicture),
        bitmap("logo.bmp", 120, 40, logo),
        bitmap("ok_up.bmp", 47, 47, [] { return okKey(47, false); }),
        bitmap("ok_down.bmp", 47, 47, [] { return okKey(47, true); }),
        bitmap("no_up.bmp", 47, 47, [] { return noKey(47, false); }),
        bitmap("no_down.bmp", 47, 47, [] { return noKey(47, true); }),
        bitmap("ok_up_2.bmp", 40, 40, [] { return okKey(40, false); }),
        bitmap("ok_down_2.bmp", 40, 40, [] { return okKey(40, true); }),
        bitmap("no_up_2.bmp", 40, 40, [] { return noKey(40, false); }),
        bitmap("no_down_2.bmp", 40, 40, [] { return noKey(40, true); }),
    };
    for (int number = 1; number <= functionKeyCount; ++number) {
        std::string stem = "f" + std::to_string(number);
        sources.push_back(bitmap(stem + "_up.bmp", functionKeySize, functionKeySize,
                                 [number] { return functionKey(number, false); }));
        sources.push_back(bitmap(stem + "_down.bmp", functionKeySize, functionKeySize,
                                 [number] { return functionKey(number, true); }));
    }
    return sources;
}

const char* const iconName = "strandor.ico";

} // namespace

std::vector<OutputFile> outputFiles()
{
    std::vector<OutputFile> files;
    for (const BitmapSource& source : bitmapSources())
        files.push_back(source.file);
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
    for (const BitmapSource& source : bitmapSources()) {
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
