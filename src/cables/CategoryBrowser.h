#pragma once
// Walking the category tree one node at a time: the rows the selection list shows, the path line
// and what choosing a row does. No windows.h: the host tests reach it.

#include <string>
#include <vector>

// Row 0 is the heading ("[   ] " at the root, "[ - ] " below it), then one row per child in slot
// order: "[+] " + category name, or six blanks + cable name.
std::vector<std::string> ListRows(int node);

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
ChooseResult Choose(int& node, int row);
