#include "wiring/Netlist.h"

#include <map>

#include "datafiles/Continuity.h"

namespace wiring {

namespace {

const char* wireKind(Wire::Kind kind) {
    switch (kind) {
        case Wire::Kind::Ribbon: return "ribbon";
        case Wire::Kind::Shield: return "shield";
        case Wire::Kind::Wire: break;
    }
    return "wire";
}

std::string contactOrOpen(const PinRef& pin) { return pin.contact.empty() ? "-" : pin.text(); }

class Groups {
public:
    void join(const std::string& a, const std::string& b) {
        const std::string ra = root(a);
        const std::string rb = root(b);
        if (ra != rb) parent[ra] = rb;
    }
    std::vector<std::set<std::string>> sets() {
        std::map<std::string, std::set<std::string>> byRoot;
        for (const auto& entry : parent) byRoot[root(entry.first)].insert(entry.first);
        std::vector<std::set<std::string>> out;
        for (const auto& entry : byRoot) out.push_back(entry.second);
        return out;
    }

private:
    std::map<std::string, std::string> parent;
    std::string root(const std::string& name) {
        auto found = parent.find(name);
        if (found == parent.end()) {
            parent[name] = name;
            return name;
        }
        if (found->second == name) return name;
        const std::string r = root(found->second);
        parent[name] = r;
        return r;
    }
};

}  // namespace

std::vector<IndexedWire> indexedWires(const CableSource& cable) {
    std::vector<IndexedWire> wires;
    for (const Wire& w : cable.wires)
        wires.push_back({wireKind(w.kind), contactOrOpen(w.start), w.startSignal, contactOrOpen(w.end), w.endSignal,
                         w.colour});
    for (const Jumper& j : cable.jumpers) wires.push_back({"jumper", j.a.text(), j.aSignal, j.b.text(), j.bSignal, ""});
    return wires;
}

std::vector<std::string> netlistLines(const CableSource& cable) {
    std::vector<std::string> lines;
    for (const ContinuityPair& pair : ContinuityList(indexedWires(cable))) lines.push_back(pair.from + " " + pair.to);
    return lines;
}

std::vector<std::set<std::string>> connectedGroups(const CableSource& cable) {
    Groups groups;
    for (const std::string& line : netlistLines(cable)) {
        const std::size_t space = line.find(' ');
        groups.join(line.substr(0, space), line.substr(space + 1));
    }
    return groups.sets();
}

}  // namespace wiring
