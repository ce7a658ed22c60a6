// make_bitmaps <folder>: draws the program's bitmaps and icon into the folder.
#include "PictureSet.h"

#include <exception>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: make_bitmaps <output folder>\n";
        return 2;
    }
    try {
        bitmaps::writeAllFiles(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "make_bitmaps: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
