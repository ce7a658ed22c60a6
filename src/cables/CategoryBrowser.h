#pragma once
// Walking the category tree one node at a time: the rows the selection list shows, the path line
// and what choosing a row does. No windows.h: the host tests reach it.

#include <cstddef>
#include <string>
#include <vector>

#include "cables/CableTable.h"

// The user's own cables (DATA\MYCABLES) have a category of their own below the root, listed as its
// last row only while there is one; the cables in it are numbered from MyCableFirstNumber on, in
// the order of its list.
constexpr int MyCablesNode = CategoryNodeCount;
constexpr int MyCableFirstNumber = 1000;
constexpr const char* MyCablesName = "My cables";
inline bool IsMyCableNumber(int number) { return number >= MyCableFirstNumber; }

// Row 0 is the heading ("[   ] " at the root, "[ - ] " below it), then one row per child in slot
// order: "[+] " + category name, or six blanks + cable name. `myCables` are the rows of the user's
// own cables, in list order; with none, the tree is the built-in one alone.
std::vector<std::string> ListRows(int node, const std::vector<std::string>& myCables = {});

// ">" + the root's name, then "\" + each name down to the node.
std::string CategoryPath(int node);

struct ChooseResult {
    enum Kind {
        Ignored,    // no row, or a row the node does not have
        AtRoot,     // the heading row at the root: nowhere to go up to
        MovedUp,    // the node is now its parent
        MovedDown,  // the node is now the chosen category
        Picked,     // a cable was chosen: cableNumber
    } kind;
    int cableNumber;
};

// What choosing list row `row` does while `node` is shown; updates node when it moves.
// `myCableCount`: how many of the user's own cables the list shows.
ChooseResult Choose(int& node, int row, std::size_t myCableCount = 0);
