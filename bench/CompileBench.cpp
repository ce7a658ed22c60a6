// Compiling a user's cable as the guide does when a source in DATA\MYCABLES changes: each of the
// table's cables, written as a user cable (the head Ctrl+N writes, then its shipped source), is
// passed through the one entry point again and again. Prints one RESULT line for scripts/bench:
// each cable's median compile time over the rounds; the fastest, the median and the slowest cable.
// A second RESULT line times a cable between the largest faces built by rule (a 3 x 32 strip with
// its pinout drawing, and a row of 64), whose numbers are placed and checked as they are drawn.
// Usage: compile_bench <data source folder> [rounds]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cables/CableTable.h"
#include "mycables/MyCableFiles.h"
#include "datafiles/ThreeDigits.h"
#include "wiring/TextEncoding.h"
#include "framework/FileBytes.h"
#include "wiring/UserCable.h"

namespace fs = std::filesystem;

namespace {
std::string fileText(const fs::path& path) { return ReadFileBytes(path.string(), wiring::MaxSourceBytes).bytes; }

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: compile_bench <data source folder> [rounds]\n");
        return 2;
    }
    const fs::path data = argv[1];
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;

    std::vector<wiring::SourceText> shipped;
    for (const auto& entry : fs::directory_iterator(data / "connectors"))
        shipped.push_back({entry.path().filename().string(), fileText(entry.path())});
    std::vector<wiring::SourceText> cables;
    for (int number : CablesInUse()) {
        if (number == 0) continue;
        const std::string source = fileText(data / "cables" / ("cable-" + ThreeDigits(number) + ".txt"));
        const std::string file = "cable " + ThreeDigits(number) + ".txt";
        const std::string text = NewCableSource(number, wiring::decodeToCodePage1252(source, file));
        cables.push_back({file, wiring::encodeUtf8WithMark(text)});
    }

    const wiring::CableNames names = CableNamesByNumber();
    std::vector<std::vector<double>> times(cables.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < cables.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            const wiring::UserCable compiled = wiring::CompileUserCable(cables[i], {}, shipped, names);
            const auto end = std::chrono::steady_clock::now();
            if (!compiled.ok) {
                std::fprintf(stderr, "compile_bench: %s\n", compiled.error().text().c_str());
                return 1;
            }
            times[i].push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
    }
    // The largest faces built by rule, at both ends of one user cable.
    std::string pins = "pin a1 GND\npin b1 +5 V\n";
    std::string strip = "name Largest faces\nconnector start strip\npinouts start strip\nconnector end row\n"
                        "title Largest faces\nstart Strip\nend Row\ngender start male\ngender end female\n"
                        "wire a1 1 GND -\nwire b1 2 +5V -\n";
    for (int n = 2; n <= 16; ++n) {
        pins += "pin a" + std::to_string(n) + " D" + std::to_string(n) + "\n";
        strip += "wire a" + std::to_string(n) + " " + std::to_string(n + 1) + " D" + std::to_string(n) + " -\n";
    }
    const std::vector<wiring::SourceText> ruleFaces = {
        {"plug-strip.txt", "title DIN 41612, 3 x 32\nface grid 3 32 a b c\ngender male\n"},
        {"pinouts-strip.txt", "title DIN 41612 strip\nface plug strip\n" + pins},
        {"plug-row.txt", "title 64-way row\nface row 64\ngender female\n"}};
    std::vector<double> faceTimes;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const wiring::UserCable compiled = wiring::CompileUserCable({"largest faces.txt", strip}, ruleFaces, shipped);
        const auto end = std::chrono::steady_clock::now();
        if (!compiled.ok) {
            std::fprintf(stderr, "compile_bench: %s\n", compiled.error().text().c_str());
            return 1;
        }
        faceTimes.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }

    std::vector<double> perCable;
    for (const std::vector<double>& cableTimes : times) perCable.push_back(median(cableTimes));
    std::sort(perCable.begin(), perCable.end());
    std::printf("RESULT compile_one_user_cable %.3f %.3f %.3f ms\n", perCable.front(), median(perCable),
                perCable.back());
    std::sort(faceTimes.begin(), faceTimes.end());
    std::printf("RESULT compile_largest_rule_faces %.3f %.3f %.3f ms\n", faceTimes.front(), median(faceTimes),
                faceTimes.back());
    return 0;
}
