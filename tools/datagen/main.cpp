// datagen build <data source folder> <DATA folder>: makes the program's DATA folder from its sources.
// datagen netlist <cable number> [data source folder]: prints the cable's continuity list.
// datagen netlists [data source folder]: writes every cable's continuity list to <folder>/netlists.txt.

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "Build.h"
#include "CableFolder.h"
#include "NetlistFile.h"
#include "OutputTree.h"
#include "wiring/Netlist.h"
#include "wiring/SourceText.h"

using namespace wiring;

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: datagen build <data source folder> <DATA folder>\n"
                 "       datagen netlist <cable number> [data source folder, default data]\n"
                 "       datagen netlists [data source folder, default data]\n");
    return 2;
}

int build(const std::string& sources, const std::string& target) {
    const OutputSet files = buildDataSet(sources);
    writeDataTree(files, target);
    std::printf("datagen: %zu files written to %s\n", files.size(), target.c_str());
    return 0;
}

int netlist(const std::string& numberText, const std::string& sources) {
    std::size_t used = 0;
    int number = -1;
    try {
        number = std::stoi(numberText, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != numberText.size() || number < 0 || number > 999) {
        std::fprintf(stderr, "datagen: '%s' is not a cable number\n", numberText.c_str());
        return 2;
    }
    for (const std::string& line : netlistLines(loadCable(sources, number))) std::printf("%s\n", line.c_str());
    return 0;
}

int netlists(const std::string& sources) {
    const std::string text = netlistFileText(loadAllCables(sources));
    const std::string path = sources + "/netlists.txt";
    std::ofstream out(path, std::ios::binary);
    if (!(out << text)) throw DataError(path, 0, "cannot be written");
    std::printf("datagen: %s written\n", path.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "build" && argc == 4) return build(argv[2], argv[3]);
        if (command == "netlist" && (argc == 3 || argc == 4)) return netlist(argv[2], argc == 4 ? argv[3] : "data");
        if (command == "netlists" && argc <= 3) return netlists(argc == 3 ? argv[2] : "data");
        return usage();
    } catch (const DataError& e) {
        for (const SourceError& fault : e.errors()) std::fprintf(stderr, "datagen: %s\n", fault.text().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
    }
    return 1;
}
