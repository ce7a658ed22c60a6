#include "benchtest/BenchRun.h"

#include "datafiles/Continuity.h"
#include "wiring/TextEncoding.h"

namespace {
std::string withSignal(const std::string& contact, const std::string& signal) {
    return signal.empty() ? contact : contact + " (" + signal + ")";
}

std::string countOf(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}
}  // namespace

std::string BenchStep::question() const {
    if (kind == Kind::Neighbours) return "Probes on " + from + " and " + to + ": it must stay silent.";
    return "Probes on " + withSignal(from, fromSignal) + " and " + withSignal(to, toSignal) + ": does the meter beep?";
}

std::vector<BenchStep> BenchSteps(const IndexedCable& cable) {
    std::vector<BenchStep> steps;
    for (const ContinuityPair& pair : ContinuityList(cable.wires)) {
        const IndexedWire& wire = cable.wires[pair.wire];
        steps.push_back({BenchStep::Kind::Connection, pair.from, pair.to, wire.fromSignal, wire.toSignal});
    }
    for (const QuietPair& pair : cable.quiet) steps.push_back({BenchStep::Kind::Neighbours, pair.from, pair.to, "", ""});
    return steps;
}

std::vector<std::string> BenchRun::verdict() const {
    std::size_t connections = 0, beeping = 0, neighbours = 0, silent = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool asked = i < answers.size();
        if (steps[i].wantsBeep()) {
            ++connections;
            beeping += asked && answers[i] == BenchAnswer::Beeps;
        } else {
            ++neighbours;
            silent += asked && answers[i] == BenchAnswer::Silent;
        }
    }
    // A silent connection whose contact beeps to a neighbour has its wire on that neighbour: one
    // fault, which explains the beep too.
    std::vector<bool> explained(answers.size(), false);
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const BenchStep& step = steps[i];
        if (!step.wantsBeep() || answers[i] == BenchAnswer::Beeps) continue;
        std::string line = step.from + " - " + step.to + " does not beep: ";
        std::size_t k = 0;
        for (; k < answers.size(); ++k) {
            const BenchStep& other = steps[k];
            if (other.wantsBeep() || answers[k] != BenchAnswer::Beeps) continue;
            if (other.from == step.from || other.from == step.to || other.to == step.from || other.to == step.to) break;
        }
        if (k < answers.size()) {
            explained[k] = true;
            const BenchStep& other = steps[k];
            const bool fromSide = other.from == step.from || other.to == step.from;
            const std::string mine = fromSide ? step.from : step.to;
            const std::string theirs = other.from == mine ? other.to : other.from;
            line += "on the wrong contact (" + mine + " beeps to " + theirs + ")";
        } else {
            line += "open: a cold joint or a broken wire";
        }
        faults.push_back(line);
    }
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const BenchStep& step = steps[i];
        if (step.wantsBeep() || answers[i] == BenchAnswer::Silent || explained[i]) continue;
        faults.push_back(step.from + " - " + step.to + " beeps: solder bridge between " + step.from + " and " + step.to);
    }
    std::string summary;
    if (finished() && faults.empty()) {
        summary = "Good: " + std::to_string(beeping) + " of " + countOf(connections, "connection", "connections");
        if (neighbours > 0) summary += ", " + countOf(silent, "neighbour pair", "neighbour pairs") + " silent";
    } else {
        summary = finished() ? std::string()
                             : "Stopped after " + std::to_string(answers.size()) + " of " + std::to_string(steps.size()) +
                                   " steps" + (faults.empty() ? "" : ", ");
        if (!faults.empty()) summary += countOf(faults.size(), "fault", "faults");
        summary += ": " + std::to_string(beeping) + " of " + countOf(connections, "connection", "connections") + " beep";
        if (neighbours > 0) summary += ", " + std::to_string(silent) + " of " + std::to_string(neighbours) + " neighbour pairs silent";
    }
    std::vector<std::string> lines{summary};
    lines.insert(lines.end(), faults.begin(), faults.end());
    return lines;
}

std::string VerdictBlock(const std::vector<std::string>& verdict, const std::string& dateTime) {
    std::string block;
    for (std::size_t i = 0; i < verdict.size(); ++i)
        block += (i == 0 ? "Test at the bench, " + dateTime + ": " : std::string("  ")) + verdict[i] + "\r\n";
    return block;
}

namespace {
bool startsWith(const std::string& text, const char* mark) { return text.compare(0, std::string(mark).size(), mark) == 0; }

// Text without a mark that is valid UTF-8 and not plain ASCII is the UTF-8 an editor saves.
bool looksLikeUtf8(const std::string& text) {
    bool high = false;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int more = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (more < 0 || (more > 0 && c < 0xC2)) return false;
        for (int k = 1; k <= more; ++k)
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        high = high || more > 0;
        i += more + 1;
    }
    return high;
}
}  // namespace

std::string NotesAppendBytes(const std::string& existing, const std::string& block) {
    const bool utf16le = startsWith(existing, "\xFF\xFE");
    const bool utf16be = startsWith(existing, "\xFE\xFF");
    const std::size_t unit = utf16le || utf16be ? 2 : 1;
    const bool lineEnded = existing.size() >= unit && existing[existing.size() - (utf16be ? 1 : unit)] == '\n';
    const bool bare = existing.size() <= (unit == 2 ? 2 : startsWith(existing, "\xEF\xBB\xBF") ? 3 : 0);
    const std::string text = (bare ? "" : lineEnded ? "\r\n" : "\r\n\r\n") + block;
    if (!utf16le && !utf16be && !startsWith(existing, "\xEF\xBB\xBF") && !looksLikeUtf8(existing)) return text;
    if (!utf16le && !utf16be) return wiring::encodeUtf8WithMark(text).substr(3);
    std::string out;
    for (unsigned char byte : text) {
        const char16_t code = wiring::unicodeOfCodePage1252(byte);
        const char low = static_cast<char>(code & 0xFF), high = static_cast<char>(code >> 8);
        out += utf16le ? std::string{low, high} : std::string{high, low};
    }
    return out;
}
