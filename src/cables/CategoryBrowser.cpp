#include "cables/CategoryBrowser.h"

#include "cables/CableTable.h"

namespace {
const char* nameOf(const char* name) { return name ? name : ""; }

bool isValidNode(int node) { return node >= 0 && node < CategoryNodeCount; }
}  // namespace

std::vector<std::string> ListRows(int node) {
    std::vector<std::string> rows;
    if (!isValidNode(node)) return rows;
    const CategoryNode& shown = Catalog.nodes[node];
    rows.push_back(std::string(shown.parent == -1 ? "[   ] " : "[ - ] ") + nameOf(shown.name));
    for (int slot = 0; slot < shown.childCount && slot < CategoryChildSlots; ++slot) {
        int child = shown.children[slot];
        if (shown.holdsCategories == 1) {
            rows.push_back(std::string("[+] ") + (isValidNode(child) ? nameOf(Catalog.nodes[child].name) : ""));
        } else {
            bool validCable = child >= 0 && child < CableRowCount;
            rows.push_back(std::string("      ") + (validCable ? nameOf(Catalog.cables[child].name) : ""));
        }
    }
    return rows;
}

std::string CategoryPath(int node) {
    if (!isValidNode(node)) return ">";
    // The chain from the node up to the root; the tree is four levels deep, 30 is ample.
    int chain[30];
    int count = 0;
    for (int n = node; isValidNode(n) && count < 30; n = Catalog.nodes[n].parent) chain[count++] = n;
    std::string path = ">";
    path += nameOf(Catalog.nodes[chain[count - 1]].name);
    for (int i = count - 2; i >= 0; --i) {
        path += "\\";
        path += nameOf(Catalog.nodes[chain[i]].name);
    }
    return path;
}

ChooseResult Choose(int& node, int row) {
    if (!isValidNode(node)) return {ChooseResult::Ignored, -1};
    const CategoryNode& shown = Catalog.nodes[node];
    if (row == 0) {
        if (shown.parent == -1) return {ChooseResult::AtRoot, -1};
        node = shown.parent;
        return {ChooseResult::MovedUp, -1};
    }
    if (row < 1 || row > shown.childCount || row > CategoryChildSlots) return {ChooseResult::Ignored, -1};
    int child = shown.children[row - 1];
    if (shown.holdsCategories == 1) {
        node = child;
        return {ChooseResult::MovedDown, -1};
    }
    return {ChooseResult::Picked, child};
}
