#pragma once
// The built-in cable table, the category tree and the data file naming rule.
// No windows.h here: the host tests reach all of it.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct CableRecord {
    const char* name;      // null in an empty row
    std::int32_t startPlug;  // 0 marks an empty row
    std::int32_t endPlug;
    std::int32_t startPinouts;
    std::int32_t endPinouts;
};

constexpr int CategoryChildSlots = 30;

struct CategoryNode {
    const char* name;  // null in an empty node
    std::int32_t childCount;
    std::int32_t children[CategoryChildSlots];  // node numbers or cable numbers, see holdsCategories
    std::int32_t holdsCategories;               // 1: children are nodes; anything else: cables
    std::int32_t parent;                        // -1 at the root
};

constexpr int CableRowCount = 100;
constexpr int CategoryNodeCount = 25;

struct CableCatalog {
    CableRecord cables[CableRowCount];
    CategoryNode nodes[CategoryNodeCount];
};

// Both tables, fixed when the program is built.
extern const CableCatalog Catalog;

bool IsCableInUse(int cableNumber);

// The numbers of the cables in use, ascending.
std::vector<int> CablesInUse();

// The names of the cables in use, by number: what a note's {cable N} is written as.
std::map<int, std::string> CableNamesByNumber();

// prefix + number as "%03d"; the number lies in 0..999.
std::string DataFileName(const char* prefix, int number);

// The data folder's prefixes, relative to the current directory.
namespace DataPrefix {
constexpr const char* Plug = "DATA\\PLUG\\PLUG.";
constexpr const char* Pinouts = "DATA\\PINOUTS\\PINOUTS.";
constexpr const char* Cable = "DATA\\CABLE\\CABLE.";
constexpr const char* Notes = "DATA\\NOTES\\NOTES.";
constexpr const char* UserNote = "DATA\\USERNOTE\\USERNOTE.";
constexpr const char* PrintLogo = "DATA\\MISC\\SD_PRINT.LGO";
}  // namespace DataPrefix
