// A cable offered in the notes must carry the wiring: "12 cores" cannot take 14 connections.

#include "wiring/CoreCount.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <set>

#include "wiring/PinoutRows.h"
#include "wiring/WiringChecks.h"

namespace wiring {

namespace {

class Nets {
public:
    void join(const std::string& a, const std::string& b) {
        const std::string ra = root(a), rb = root(b);
        if (ra != rb) parent[ra] = rb;
    }
    std::string root(const std::string& name) {
        auto found = parent.find(name);
        if (found == parent.end()) return parent[name] = name;
        if (found->second == name) return name;
        return found->second = root(found->second);
    }

private:
    std::map<std::string, std::string> parent;
};

bool isReturnName(const std::string& signal) {
    const std::string folded = foldedName(signal);
    for (const char* word : {"gnd", "ground", "shield", "screen", "earth"})
        if (folded.find(word) != std::string::npos) return true;
    return folded == "pe" || folded == "0v";
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int numberWord(const std::string& word) {
    static const char* const Words[] = {"zero",    "one",     "two",     "three",     "four",     "five",    "six",
                                        "seven",   "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
                                        "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};
    if (std::isdigit(static_cast<unsigned char>(word[0]))) return std::stoi(word);
    if (word == "single") return 1;
    if (word == "twin") return 2;
    for (int n = 0; n <= 20; ++n)
        if (word == Words[n]) return n;
    return -1;
}

void replaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

}  // namespace

CoreNeed coresNeeded(const CableSource& cable) {
    Nets nets;
    for (const Wire& w : cable.wires)
        if (w.kind != Wire::Kind::Shield) nets.join(w.start.text(), w.end.text());
    for (const Jumper& j : cable.jumpers) nets.join(j.a.text(), j.b.text());
    std::map<std::string, bool> isReturn;  // each net with a core, by its root
    std::map<std::string, std::set<std::string>> netsOfBranch;
    for (const Wire& w : cable.wires) {
        if (w.kind == Wire::Kind::Shield) continue;
        const std::string net = nets.root(w.start.text());
        isReturn[net] = isReturn[net] || isReturnName(w.startSignal) || isReturnName(w.endSignal);
        netsOfBranch[w.end.branch].insert(net);
    }
    CoreNeed need;
    need.cores = static_cast<int>(isReturn.size());
    need.returns = static_cast<int>(std::count_if(isReturn.begin(), isReturn.end(), [](const auto& n) { return n.second; }));
    need.leadCores = need.cores;
    if (!cable.branches.empty()) {
        need.leadCores = 0;
        for (const auto& [branch, netSet] : netsOfBranch) {
            if (static_cast<int>(netSet.size()) <= need.leadCores) continue;
            need.leadCores = static_cast<int>(netSet.size());
            need.leadBranch = branch;
        }
    }
    return need;
}

void fillCoreCounts(CableSource& cable) {
    const CoreNeed need = coresNeeded(cable);
    for (CableNote& note : cable.notes) {
        if (note.section != NoteSection::Cable) continue;
        replaceAll(note.text, "{cores}", std::to_string(need.cores));
        replaceAll(note.text, "{lead cores}", std::to_string(need.leadCores));
    }
}

void checkCoreCount(const CableSource& cable) {
    static const std::regex offer(
        "\\b([0-9]+|single|twin|one|two|three|four|five|six|seven|eight|nine|ten|eleven|twelve|thirteen|fourteen|"
        "fifteen|sixteen|seventeen|eighteen|nineteen|twenty)[- ]((screened|shielded|audio|thin|flat|round|signal) )*"
        "(cores?|conductors?|wires?)\\b( leads?| for)?");
    const CoreNeed need = coresNeeded(cable);
    std::string whole;
    for (const CableNote& note : cable.notes)
        if (note.section == NoteSection::Cable) whole += " " + lower(note.text);
    // A screen is a conductor too: a screened cable may carry the grounds on it.
    const bool screened = std::regex_search(whole, std::regex("screen|shield|coax"));
    const int cores = screened ? std::max(need.cores - need.returns, 1) : need.cores;
    for (const CableNote& note : cable.notes) {
        if (note.section != NoteSection::Cable) continue;
        const std::string text = lower(note.text);
        for (std::sregex_iterator m(text.begin(), text.end(), offer), end; m != end; ++m) {
            const std::string tail = (*m)[5].str();
            if (tail == " for") continue;  // a part of the cable: "3 cores for the syncs"
            const int offered = numberWord((*m)[1].str());
            const bool perLead = !tail.empty() && !need.leadBranch.empty();
            const int needed = perLead ? need.leadCores : cores;
            if (offered >= needed) continue;
            std::string what;
            if (perLead)
                what = "the lead to plug " + need.leadBranch + " needs " + std::to_string(needed) + " conductors";
            else if (needed < need.cores)
                what = "the wiring needs " + std::to_string(needed) + " conductors besides the screen (" +
                       std::to_string(need.cores) + " connections end to end, " + std::to_string(need.returns) +
                       " of them grounds)";
            else
                what = "the wiring needs " + std::to_string(needed) + " conductors (connections end to end, the shield apart)";
            const std::string offeredText = note.text.substr(static_cast<std::size_t>(m->position(0)), m->length(0));
            throw DataError(cable.file, note.line, "\"" + offeredText + "\" is too few: " + what +
                            "; offer at least " + std::to_string(needed) + ", or write " +
                            (perLead ? "{lead cores}" : "{cores}") + " for the count the build makes");
        }
    }
}

}  // namespace wiring
