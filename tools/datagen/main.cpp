// datagen build <data source folder> <DATA folder>: makes the program's DATA folder from its sources.

#include <cstdio>
#include <exception>
#include <string>

#include "Build.h"
#include "OutputTree.h"
#include "SourceText.h"

int main(int argc, char** argv) {
    if (argc != 4 || std::string(argv[1]) != "build") {
        std::fprintf(stderr, "usage: datagen build <data source folder> <DATA folder>\n");
        return 2;
    }
    try {
        const OutputSet files = buildDataSet(argv[2]);
        writeDataTree(files, argv[3]);
        std::printf("datagen: %zu files written to %s\n", files.size(), argv[3]);
        return 0;
    } catch (const DataError& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
    }
    return 1;
}
