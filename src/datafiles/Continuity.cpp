#include "datafiles/Continuity.h"

#include <cctype>

std::vector<ContinuityPair> ContinuityList(const std::vector<IndexedWire>& wires) {
    std::vector<ContinuityPair> pairs;
    for (std::size_t i = 0; i < wires.size(); ++i)
        if (wires[i].joins()) pairs.push_back({wires[i].from, wires[i].to, i});
    return pairs;
}

std::vector<std::string> ContinuityPairs(const IndexedCable& cable) {
    std::vector<std::string> pairs;
    for (const ContinuityPair& pair : ContinuityList(cable.wires)) pairs.push_back(pair.text());
    return pairs;
}

namespace {
using Chain = std::vector<std::string>;

// "S3" -> "3", "EL:C" -> "C".
std::string bareContact(const std::string& contact) {
    const std::size_t colon = contact.find(':');
    return contact.substr(colon == std::string::npos ? 1 : colon + 1);
}

bool isNumber(const std::string& s) {
    if (s.empty() || s.size() > 4) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

bool allNumbers(const Chain& chain) {
    for (const std::string& c : chain)
        if (!isNumber(c)) return false;
    return true;
}

std::string joined(const Chain& chain, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) text += (i == from ? "" : "-") + chain[i];
    return text;
}

// A long chain that steps evenly (a row, or a zigzag between two rows) keeps its first four and
// last two contacts: "1-2-3-4-...-12-13", "1-14-2-15-...-25-13".
// Any other chain is cut into pieces of at most MaxChainText characters, each piece starting on
// the contact the one before ends on, so that a line of the notes can hold it.
constexpr std::size_t MaxChainText = 20;

std::string chainText(const Chain& chain) {
    const std::size_t n = chain.size();
    bool even = n >= 10 && allNumbers(chain);
    for (std::size_t i = 0; even && i + 2 < n; ++i)
        even = std::stoi(chain[i + 2]) - std::stoi(chain[i]) == std::stoi(chain[2]) - std::stoi(chain[0]);
    if (even) return joined(chain, 0, 4) + "-...-" + joined(chain, n - 2, n);
    std::string text;
    std::size_t from = 0;
    while (from + 1 < n) {
        std::size_t to = from + 2;
        while (to < n && joined(chain, from, to + 1).size() <= MaxChainText) ++to;
        text += (text.empty() ? "" : ", ") + joined(chain, from, to);
        from = to - 1;
    }
    return text;
}

// Whether chain b is chain a moved by the same step as a is from the chain before it.
bool shiftedBy(const Chain& a, const Chain& b, int& step, bool first) {
    if (a.size() != b.size() || !allNumbers(a) || !allNumbers(b)) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const int d = std::stoi(b[i]) - std::stoi(a[i]);
        if (first && i == 0) step = d;
        if (d != step || d == 0) return false;
    }
    return true;
}

std::string chainsText(const std::vector<Chain>& chains) {
    std::string text;
    auto add = [&](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    std::size_t i = 0;
    while (i < chains.size()) {
        // A run of four or more like chains, each moved on by one step: first two, "...", last.
        std::size_t j = i;
        int step = 0;
        while (j + 1 < chains.size() && shiftedBy(chains[j], chains[j + 1], step, j == i)) ++j;
        if (j - i >= 3) {
            add(chainText(chains[i]));
            add(chainText(chains[i + 1]));
            add("...");
            add(chainText(chains[j]));
            i = j + 1;
        } else {
            add(chainText(chains[i]));
            ++i;
        }
    }
    return text;
}
}  // namespace

std::string QuietEndName(const std::string& contact) {
    if (contact.empty() || contact[0] == 'S') return "Start";
    const std::size_t colon = contact.find(':');
    return colon == std::string::npos ? "End" : "End " + contact.substr(1, colon - 1);
}

namespace {
// Ends with the same text share a line: "Start, End: 1-2-3-4-5, ...".
std::vector<std::string> sharedLines(const std::vector<std::string>& ends, const std::vector<std::string>& texts,
                                     const std::string& nameJoin, const std::string& between) {
    std::vector<std::string> names, shared;
    for (std::size_t e = 0; e < ends.size(); ++e) {
        std::size_t same = 0;
        while (same < shared.size() && shared[same] != texts[e]) ++same;
        if (same == shared.size()) {
            names.push_back(ends[e]);
            shared.push_back(texts[e]);
        } else {
            names[same] += nameJoin + ends[e];
        }
    }
    std::vector<std::string> lines;
    for (std::size_t e = 0; e < names.size(); ++e) lines.push_back(names[e] + between + shared[e]);
    return lines;
}
}  // namespace

std::vector<std::string> QuietChainLines(const std::vector<QuietPair>& quiet) {
    std::vector<std::string> ends;
    std::vector<std::vector<Chain>> chains;
    for (std::size_t i = 0; i < quiet.size(); ++i) {
        const std::string end = QuietEndName(quiet[i].from);
        if (ends.empty() || ends.back() != end) {
            ends.push_back(end);
            chains.emplace_back();
        }
        std::vector<Chain>& of = chains.back();
        const bool goesOn = i > 0 && quiet[i - 1].to == quiet[i].from && !of.empty();
        if (!goesOn) of.push_back({bareContact(quiet[i].from)});
        of.back().push_back(bareContact(quiet[i].to));
    }
    std::vector<std::string> texts;
    for (const std::vector<Chain>& of : chains) texts.push_back(chainsText(of));
    return sharedLines(ends, texts, ", ", ": ");
}

std::string QuietShortText(const std::vector<QuietPair>& quiet, const std::vector<QuietPair>& joined) {
    std::vector<std::string> ends, buts;
    auto butOf = [&](const std::string& contact) -> std::string& {
        const std::string end = QuietEndName(contact);
        std::size_t e = 0;
        while (e < ends.size() && ends[e] != end) ++e;
        if (e == ends.size()) {
            ends.push_back(end);
            buts.emplace_back();
        }
        return buts[e];
    };
    for (const QuietPair& pair : quiet) butOf(pair.from);
    for (const QuietPair& pair : joined) {
        std::string& but = butOf(pair.from);
        but += (but.empty() ? " but " : ", ") + bareContact(pair.from) + "-" + bareContact(pair.to);
    }
    std::string text = ContinuityQuietShort;
    for (const std::string& line : sharedLines(ends, buts, " and ", "")) text += (text == ContinuityQuietShort ? " on " : "; on ") + line;
    return text + ".";
}
