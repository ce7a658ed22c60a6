#pragma once
// Walking the category tree one node at a time: the rows the selection list shows, the path line
// and what choosing a row does. No windows.h: the host tests reach it.

#include <cstddef>
#include <string>
#include <vector>

#include "cables/Cable.h"
#include "cables/CableTable.h"

// The user's own cables (DATA\MYCABLES) have a category of their own below the root, listed as its
// last row only while there is one.
constexpr int MyCablesNode = CategoryNodeCount;
constexpr const char* MyCablesName = "My cables";

// Row 0 is the heading ("[   ] " at the root, "[ - ] " below it), then one row per child in slot
// order: "[+] " + category name, or six blanks + cable name. `myCables` are the user's own cables,
// in list order; with none, the tree is the built-in one alone.
std::vector<std::string> ListRows(int node, const std::vector<ListedCable>& myCables = {});

// ">" + the root's name, then "\" + each name down to the node.
std::string CategoryPath(int node);

struct ChooseResult {
    enum Kind {
        Ignored,    // no row, or a row the node does not have
        AtRoot,     // the heading row at the root: nowhere to go up to
        MovedUp,    // the node is now its parent
        MovedDown,  // the node is now the chosen category
        Picked,     // a cable was chosen: `cable`
    } kind;
    CableOrigin cable{};
};

// What choosing list row `row` does while `node` is shown; updates node when it moves.
// `myCables`: the user's own cables the list shows.
ChooseResult Choose(int& node, int row, const std::vector<ListedCable>& myCables = {});
