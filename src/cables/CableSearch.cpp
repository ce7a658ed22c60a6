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

std::vector<int> listingNodes(int cableNumber) {
    std::vector<int> nodes;
    collectListingNodes(0, cableNumber, nodes);
    return nodes;
}

bool isMine(int number, const std::vector<std::string>& myNames) {
    return IsMyCableNumber(number) && static_cast<std::size_t>(number - MyCableFirstNumber) < myNames.size();
}

bool takesPart(int number, const std::vector<std::string>& myNames) {
    return (number < CableRowCount && IsCableInUse(number)) || isMine(number, myNames);
}

std::string searchText(const IndexedCable& cable, const std::vector<std::string>& myNames) {
    std::string text = FoundCableName(cable.number, myNames);
    if (isMine(cable.number, myNames)) text += "\n" + CategoryPath(MyCablesNode);
    for (int node : listingNodes(cable.number)) text += "\n" + CategoryPath(node);
    text += "\n" + cable.title;
    for (const IndexedEnd* end : {&cable.start, &cable.end})
        text += "\n" + end->choice() + "\n" + end->title + "\n" + end->label;
    for (const IndexedBranch& branch : cable.branches) text += "\n" + branch.text;
    for (const IndexedWire& wire : cable.wires) text += "\n" + wire.fromSignal + "\n" + wire.toSignal;
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

std::vector<std::string> ConnectorChoices(const CableIndex& index, bool mating) {
    std::set<std::string> choices;
    for (const IndexedCable& cable : index.cables) {
        if (!IsCableInUse(cable.number) && !IsMyCableNumber(cable.number)) continue;
        for (const IndexedEnd* end : {&cable.start, &cable.end}) choices.insert(mating ? matingChoice(*end) : end->choice());
    }
    std::vector<std::string> sorted(choices.begin(), choices.end());
    std::sort(sorted.begin(), sorted.end(), NaturalLess);
    return sorted;
}

std::vector<int> FindCables(const CableIndex& index, const CableQuery& query, const std::vector<std::string>& myNames) {
    std::vector<int> found;
    for (const IndexedCable& cable : index.cables) {
        if (!takesPart(cable.number, myNames)) continue;
        if (fitsEnds(cable, query) && HoldsEveryWord(searchText(cable, myNames), query.words))
            found.push_back(cable.number);
    }
    std::stable_sort(found.begin(), found.end(), [&myNames](int a, int b) {
        return NaturalLess(FoundCableName(a, myNames), FoundCableName(b, myNames));
    });
    return found;
}

std::string FoundCableName(int number, const std::vector<std::string>& myNames) {
    if (isMine(number, myNames)) return myNames[static_cast<std::size_t>(number - MyCableFirstNumber)];
    if (number < 0 || number >= CableRowCount || !Catalog.cables[number].name) return std::string();
    return Catalog.cables[number].name;
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

int CategoryOfCable(int cableNumber) {
    if (IsMyCableNumber(cableNumber)) return MyCablesNode;
    const std::vector<int> nodes = listingNodes(cableNumber);
    return nodes.empty() ? -1 : nodes.front();
}
