#include "cables/CategoryBrowser.h"

namespace {
const char* nameOf(const char* name) { return name ? name : ""; }

bool isValidNode(int node) { return node >= 0 && node < CategoryNodeCount; }
}  // namespace

std::vector<std::string> ListRows(int node, const std::vector<ListedCable>& myCables) {
    std::vector<std::string> rows;
    if (node == MyCablesNode) {
        rows.push_back(std::string("[ - ] ") + MyCablesName);
        for (const ListedCable& cable : myCables) rows.push_back("      " + cable.row);
        return rows;
    }
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
    if (shown.parent == -1 && !myCables.empty()) rows.push_back(std::string("[+] ") + MyCablesName);
    return rows;
}

std::string CategoryPath(int node) {
    if (node == MyCablesNode) return CategoryPath(0) + "\\" + MyCablesName;
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

ChooseResult Choose(int& node, int row, const std::vector<ListedCable>& myCables) {
    if (node == MyCablesNode) {
        if (row == 0) {
            node = 0;
            return {ChooseResult::MovedUp};
        }
        if (row < 1 || static_cast<std::size_t>(row) > myCables.size()) return {ChooseResult::Ignored};
        return {ChooseResult::Picked, myCables[static_cast<std::size_t>(row) - 1].origin};
    }
    if (!isValidNode(node)) return {ChooseResult::Ignored};
    const CategoryNode& shown = Catalog.nodes[node];
    if (row == 0) {
        if (shown.parent == -1) return {ChooseResult::AtRoot};
        node = shown.parent;
        return {ChooseResult::MovedUp};
    }
    // The root's row after its own children opens the user's cables.
    if (shown.parent == -1 && !myCables.empty() && row == shown.childCount + 1) {
        node = MyCablesNode;
        return {ChooseResult::MovedDown};
    }
    if (row < 1 || row > shown.childCount || row > CategoryChildSlots) return {ChooseResult::Ignored};
    int child = shown.children[row - 1];
    if (shown.holdsCategories == 1) {
        node = child;
        return {ChooseResult::MovedDown};
    }
    return {ChooseResult::Picked, TableRow(child)};
}
