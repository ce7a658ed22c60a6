#include "cables/CategoryBrowser.h"

namespace {
const char* nameOf(const char* name) { return name ? name : ""; }

bool isValidNode(int node) { return node >= 0 && node < CategoryNodeCount; }
}  // namespace

std::vector<std::string> ListRows(int node, const std::vector<std::string>& myCables) {
    std::vector<std::string> rows;
    if (node == MyCablesNode) {
        rows.push_back(std::string("[ - ] ") + MyCablesName);
        for (const std::string& name : myCables) rows.push_back("      " + name);
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

ChooseResult Choose(int& node, int row, std::size_t myCableCount) {
    if (node == MyCablesNode) {
        if (row == 0) {
            node = 0;
            return {ChooseResult::MovedUp, -1};
        }
        if (row < 1 || static_cast<std::size_t>(row) > myCableCount) return {ChooseResult::Ignored, -1};
        return {ChooseResult::Picked, MyCableFirstNumber + row - 1};
    }
    if (!isValidNode(node)) return {ChooseResult::Ignored, -1};
    const CategoryNode& shown = Catalog.nodes[node];
    if (row == 0) {
        if (shown.parent == -1) return {ChooseResult::AtRoot, -1};
        node = shown.parent;
        return {ChooseResult::MovedUp, -1};
    }
    // The root's row after its own children opens the user's cables.
    if (shown.parent == -1 && myCableCount > 0 && row == shown.childCount + 1) {
        node = MyCablesNode;
        return {ChooseResult::MovedDown, -1};
    }
    if (row < 1 || row > shown.childCount || row > CategoryChildSlots) return {ChooseResult::Ignored, -1};
    int child = shown.children[row - 1];
    if (shown.holdsCategories == 1) {
        node = child;
        return {ChooseResult::MovedDown, -1};
    }
    return {ChooseResult::Picked, child};
}
