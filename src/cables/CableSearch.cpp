#include "cables/CableSearch.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "cables/CableTable.h"
#include "cables/CategoryBrowser.h"
#include "datafiles/TextRecords.h"

namespace {
// The nodes whose cable lists hold the cable, in the order the tree is walked from the root.
void collectListingNodes(int node, int cableNumber, std::vector<int>& found, int depth = 0) {
    if (node < 0 || node >= CategoryNodeCount || depth > CategoryNodeCount) return;
    const CategoryNode& n = Catalog.nodes[node];
    for (int slot = 0; slot < n.childCount && slot < CategoryChildSlots; ++slot) {
        if (n.holdsCategories == 1)
            collectListingNodes(n.children[slot], cableNumber, found, depth + 1);
        else if (n.children[slot] == cableNumber)
            found.push_back(node);
    }
}

std::vector<int> listingNodes(const CableOrigin& cable) {
    if (cable.IsMine()) return {MyCablesNode};
    std::vector<int> nodes;
    collectListingNodes(0, cable.tableRow, nodes);
    return nodes;
}

std::string searchText(const Cable& found) {
    const IndexedCable& cable = found.entry;
    std::string text = found.name;
    for (int node : listingNodes(found.origin)) text += "\n" + CategoryPath(node);
    text += "\n" + cable.title;
    for (const IndexedEnd* end : {&cable.start, &cable.end})
        text += "\n" + end->choice() + "\n" + end->title + "\n" + end->label;
    for (const IndexedBranch& branch : cable.branches) text += "\n" + branch.text;
    for (const IndexedWire& wire : cable.wires) text += "\n" + wire.fromSignal + "\n" + wire.toSignal;
    for (const IndexedPart& part : cable.parts) text += "\n" + part.text;
    text += "\n" + cable.words;
    return text;
}

// "DE-9 female" for an end "DE-9 male", and the other way round.
std::string matingChoice(const IndexedEnd& end) {
    if (end.gender.empty()) return end.choice();  // loose ends meet whatever they are screwed into
    return end.family + (end.gender == "male" ? " female" : " male");
}

bool fits(const std::string& choice, const IndexedEnd& end, bool mating) {
    return choice.empty() || choice == (mating ? matingChoice(end) : end.choice());
}

bool fitsEnds(const IndexedCable& cable, const CableQuery& query) {
    const bool m = query.mating;
    return (fits(query.start, cable.start, m) && fits(query.end, cable.end, m)) ||
           (fits(query.start, cable.end, m) && fits(query.end, cable.start, m));
}

}  // namespace

std::vector<std::string> ConnectorChoices(const std::vector<Cable>& cables, bool mating) {
    std::set<std::string> choices;
    for (const Cable& cable : cables) {
        if (!cable.indexed) continue;
        for (const IndexedEnd* end : {&cable.entry.start, &cable.entry.end})
            choices.insert(mating ? matingChoice(*end) : end->choice());
    }
    std::vector<std::string> sorted(choices.begin(), choices.end());
    std::sort(sorted.begin(), sorted.end(), NaturalLess);
    return sorted;
}

std::vector<std::size_t> FindCables(const std::vector<Cable>& cables, const CableQuery& query) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < cables.size(); ++i) {
        const Cable& cable = cables[i];
        if (cable.indexed && fitsEnds(cable.entry, query) && HoldsEveryWord(searchText(cable), query.words))
            found.push_back(i);
    }
    std::stable_sort(found.begin(), found.end(),
                     [&cables](std::size_t a, std::size_t b) { return NaturalLess(cables[a].name, cables[b].name); });
    return found;
}

bool NaturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const unsigned char ca = a[i], cb = b[j];
        if (std::isdigit(ca) && std::isdigit(cb)) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
            // By value, however many digits: without leading zeros, the shorter run is the smaller.
            const std::size_t za = std::min(a.find_first_not_of('0', i), ei), zb = std::min(b.find_first_not_of('0', j), ej);
            const std::string va = a.substr(za, ei - za), vb = b.substr(zb, ej - zb);
            if (va.size() != vb.size()) return va.size() < vb.size();
            if (va != vb) return va < vb;
            i = ei;
            j = ej;
            continue;
        }
        const int la = std::tolower(ca), lb = std::tolower(cb);
        if (la != lb) return la < lb;
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

int CategoryOfCable(const CableOrigin& cable) {
    const std::vector<int> nodes = listingNodes(cable);
    return nodes.empty() ? -1 : nodes.front();
}
