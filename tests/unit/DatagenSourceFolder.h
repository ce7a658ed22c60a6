#pragma once
// A data source folder of the wiring tests, made for one test and removed after it: the DE-9 and
// RCA connector drawings, and cable sources written with a valid head and notes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "CableFolder.h"
#include "datafiles/ThreeDigits.h"

using namespace wiring;

const std::string Genders = "gender start female\ngender end female\n";

class SourceFolder {
public:
    SourceFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::temp_directory_path() /
               ("datagen-cable-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path);
        write("connectors/plug-009.txt", "title DE-9\nface dsub 5 4\ngender female\n");
        write("connectors/plug-015.txt",
              "title RCA\nface custom\ngender male\nview side\ncontact C round 0 100 160 right\n"
              "contact S round 0 -100 160 right\n");
    }
    ~SourceFolder() { std::filesystem::remove_all(path); }
    void write(const std::string& relative, const std::string& text) const {
        std::filesystem::create_directories((path / relative).parent_path());
        std::ofstream(path / relative) << text;
    }
    // Copies a source of the real data folder, e.g. "connectors/pinouts-005.txt".
    void copyReal(const std::string& relative) const {
        std::filesystem::create_directories((path / relative).parent_path());
        std::filesystem::copy_file(std::filesystem::path(SOURCE_DIR) / "data" / relative, path / relative,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    // Writes cable 'number' with the given wiring lines under a valid head and notes; the genders
    // follow at the end, so that the wiring starts on line 5.
    void cable(int number, const std::string& wiring, const std::string& genders = Genders) const {
        write("cables/cable-" + ThreeDigits(number) + ".txt",
              "# test\ntitle Test\nstart DE-9\nend DE-9\n" + wiring +
                  "use Testing.\ncable Any.\nsource EIA/TIA-574 DE-9 DTE pin assignment.\n" + genders);
    }
    // The message of the DataError that loading cable 'number' raises, or "".
    std::string loadError(int number) const {
        try {
            loadCable(path.string(), number);
        } catch (const DataError& e) {
            return e.what();
        }
        return "";
    }
    std::filesystem::path path;
};
