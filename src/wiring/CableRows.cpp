#include "wiring/CableRows.h"

#include <algorithm>
#include <cctype>

namespace wiring {

namespace {

constexpr std::size_t LongestRibbonShownWhole = 6;

bool isNumber(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

// "2-9" for a run of consecutive numbers, else the contacts joined by commas.
std::string rangeLabel(const std::vector<std::string>& contacts) {
    bool run = contacts.size() > 2;
    for (std::size_t i = 0; run && i < contacts.size(); ++i) {
        run = isNumber(contacts[i]) && (i == 0 || std::stoi(contacts[i]) == std::stoi(contacts[i - 1]) + 1);
    }
    if (run) return contacts.front() + "-" + contacts.back();
    std::string label;
    for (const std::string& c : contacts) label += (label.empty() ? "" : ",") + c;
    return label;
}

DiagramSlot slot(const PinRef& pin, const std::string& signal) {
    DiagramSlot s;
    s.used = true;
    s.pin = pin;
    s.label = pin.contact;
    s.signal = signal;
    s.dot = true;
    return s;
}

DiagramRow wireRow(const Wire& w) {
    DiagramRow row;
    row.kind = DiagramRow::Kind::Wire;
    row.left = slot(w.start, w.startSignal);
    row.right = slot(w.end, w.endSignal);
    row.middle = w.colour;
    row.line = w.line;
    return row;
}

void addGroup(std::vector<DiagramRow>& rows, const std::vector<const Wire*>& group) {
    const Wire& first = *group.front();
    if (first.kind == Wire::Kind::Shield) {
        DiagramRow row;
        row.kind = DiagramRow::Kind::Shield;
        row.line = first.line;
        for (Side side : {Side::Start, Side::End}) {
            const PinRef& pin = side == Side::Start ? first.start : first.end;
            DiagramSlot& s = side == Side::Start ? row.left : row.right;
            if (pin.contact.empty()) {
                s.used = true;
                s.pin = pin;
                s.label = "open";
            } else {
                s = slot(pin, "");
            }
        }
        rows.push_back(row);
        return;
    }
    if (group.size() == 1) {
        rows.push_back(wireRow(first));
        return;
    }
    if (first.kind == Wire::Kind::Ribbon) {
        if (group.size() <= LongestRibbonShownWhole) {
            for (const Wire* w : group) rows.push_back(wireRow(*w));
            return;
        }
        for (std::size_t i = 0; i < 3; ++i) rows.push_back(wireRow(*group[i]));
        DiagramRow gap;
        gap.kind = DiagramRow::Kind::Gap;
        gap.line = first.line;
        gap.middle = std::to_string(group.size()) + " wires 1:1";
        rows.push_back(gap);
        for (std::size_t i = group.size() - 2; i < group.size(); ++i) rows.push_back(wireRow(*group[i]));
        return;
    }
    std::vector<std::string> starts;
    std::vector<std::string> ends;
    for (const Wire* w : group) {
        starts.push_back(w->start.contact);
        ends.push_back(w->end.contact);
    }
    DiagramRow row = wireRow(first);
    row.kind = DiagramRow::Kind::Bus;
    row.left.label = rangeLabel(starts);
    row.right.label = rangeLabel(ends);
    row.middle = std::to_string(group.size()) + " wires";
    if (!first.colour.empty()) row.middle += ", " + first.colour;
    rows.push_back(row);
}

bool hasLine(const DiagramRow& row) {
    return row.kind == DiagramRow::Kind::Wire || row.kind == DiagramRow::Kind::Bus ||
           row.kind == DiagramRow::Kind::Shield || row.kind == DiagramRow::Kind::Gap ||
           row.kind == DiagramRow::Kind::Heading;
}

DiagramSlot& sideOf(DiagramRow& row, Side side) { return side == Side::Start ? row.left : row.right; }

// Puts a contact that only jumpers reach into the first free place at or after 'from' among the
// rows without a line, or into a new row there.
void placeLoose(std::vector<DiagramRow>& rows, std::size_t from, const PinRef& pin, const std::string& signal, int line) {
    std::size_t r = from;
    while (r < rows.size() && !hasLine(rows[r]) && sideOf(rows[r], pin.side).used) ++r;
    if (r >= rows.size() || hasLine(rows[r])) {
        DiagramRow row;
        row.line = line;
        rows.insert(rows.begin() + static_cast<long>(r), row);
    }
    sideOf(rows[r], pin.side) = slot(pin, signal);
}

}  // namespace

int rowOf(const std::vector<DiagramRow>& rows, const PinRef& pin) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DiagramSlot& s = pin.side == Side::Start ? rows[i].left : rows[i].right;
        if (s.used && s.dot && s.pin == pin) return static_cast<int>(i);
    }
    return -1;
}

namespace {

// The wires grouped by source line; in a branched cable each branch's groups together, in the
// order the branches are declared, so that each plug gets one heading.
std::vector<std::vector<const Wire*>> wireGroups(const CableSource& cable) {
    std::vector<std::vector<const Wire*>> groups;
    for (const Wire& w : cable.wires) {
        if (groups.empty() || groups.back().front()->group != w.group) groups.emplace_back();
        groups.back().push_back(&w);
    }
    auto rank = [&cable](const std::vector<const Wire*>& g) {
        for (std::size_t b = 0; b < cable.branches.size(); ++b) {
            if (cable.branches[b].name == g.front()->end.branch) return static_cast<int>(b);
        }
        return static_cast<int>(cable.branches.size());
    };
    std::stable_sort(groups.begin(), groups.end(),
                     [&rank](const auto& a, const auto& b) { return rank(a) < rank(b); });
    return groups;
}

}  // namespace

std::vector<DiagramRow> diagramRows(const CableSource& cable) {
    std::vector<DiagramRow> rows;
    std::string branch;
    for (const std::vector<const Wire*>& group : wireGroups(cable)) {
        const std::string& next = group.front()->end.branch;
        if (!next.empty() && next != branch) {
            for (const Branch& b : cable.branches) {
                if (b.name != next) continue;
                DiagramRow heading;
                heading.kind = DiagramRow::Kind::Heading;
                heading.middle = b.title;
                heading.line = b.line;
                rows.push_back(heading);
            }
            branch = next;
        }
        addGroup(rows, group);
    }
    // A range row stands for several contacts: a jumper must reach a contact on a row of its own.
    for (const Jumper& j : cable.jumpers) {
        for (const PinRef* pin : {&j.a, &j.b}) {
            if (rowOf(rows, *pin) >= 0) continue;
            const PinRef& other = pin == &j.a ? j.b : j.a;
            const int partner = rowOf(rows, other);
            std::size_t from = partner >= 0 ? static_cast<std::size_t>(partner) + 1 : rows.size();
            if (partner < 0) {
                from = 0;
                for (std::size_t r = 0; r < rows.size(); ++r) {
                    if (hasLine(rows[r])) from = r + 1;
                }
            }
            placeLoose(rows, from, *pin, pin == &j.a ? j.aSignal : j.bSignal, j.line);
        }
    }
    return rows;
}

}  // namespace wiring
