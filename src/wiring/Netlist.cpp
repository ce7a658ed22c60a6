#include "wiring/Netlist.h"

#include <map>

namespace wiring {

std::vector<std::string> netlistLines(const CableSource& cable) {
    std::vector<std::string> lines;
    for (const Wire& wire : cable.wires) {
        if (wire.start.contact.empty() || wire.end.contact.empty()) continue;
        lines.push_back(wire.start.text() + " " + wire.end.text());
    }
    for (const Jumper& jumper : cable.jumpers) lines.push_back(jumper.a.text() + " " + jumper.b.text());
    return lines;
}

namespace {

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

std::vector<std::set<std::string>> connectedGroups(const CableSource& cable) {
    Groups groups;
    for (const std::string& line : netlistLines(cable)) {
        const std::size_t space = line.find(' ');
        groups.join(line.substr(0, space), line.substr(space + 1));
    }
    return groups.sets();
}

}  // namespace wiring
