#include "NetlistFile.h"

#include <algorithm>

#include "SourceSet.h"
#include "cables/CableTable.h"
#include "datafiles/ThreeDigits.h"
#include "wiring/Netlist.h"

using namespace wiring;

std::string netlistFileText(std::vector<CableSource> cables) {
    std::sort(cables.begin(), cables.end(), [](const CableSource& a, const CableSource& b) { return a.number < b.number; });
    std::string text =
        "# What a meter finds joined in every cable, made by 'datagen netlists' from data/cables.\n"
        "# S: the start connector, E: the end connector. Do not edit: rebuild it and review the diff.\n";
    for (const CableSource& cable : cables) {
        text += "\ncable " + ThreeDigits(cable.number) + ":";
        for (std::size_t i = 0; i < cable.titles.size(); ++i) text += (i == 0 ? " " : ", ") + cable.titles[i].text;
        text += "\n";
        std::vector<std::string> lines = netlistLines(cable);
        std::sort(lines.begin(), lines.end());
        for (const std::string& line : lines) text += line + "\n";
    }
    return text;
}

std::vector<CableSource> loadAllCables(const std::string& sourceDir) {
    const SourceSet sources = loadSourceSet(sourceDir);
    std::vector<CableSource> cables;
    for (int n : CablesInUse()) cables.push_back(sources.cable(n));
    return cables;
}
