#include "wiring/NotesLayout.h"

#include <algorithm>

#include "datafiles/Continuity.h"
#include "wiring/EndGenders.h"
#include "wiring/Netlist.h"
#include "wiring/PartsList.h"
#include "wiring/TextWrap.h"

namespace wiring {

namespace {

constexpr int Left = -4700;
constexpr int LeftWidth = 5600;
constexpr int RightX = 1300;
constexpr int RightEdge = 4700;
constexpr int ButtonLeft = 3500;   // the OK button's corner: right of this ...
constexpr int ButtonTop = -3000;   // ... and below this stays empty
constexpr int LowestBaseline = -3880;

struct TextSize {
    int height;
    int pitch;
};

[[noreturn]] void fail(const CableSource& cable, int line, const std::string& message) {
    throw DataError(cable.file, line == 0 ? 1 : line, message);
}

struct Section {
    NoteSection section;
    const char* heading;
};

const Section LeftSections[] = {
    {NoteSection::Unconfirmed, UnconfirmedHeading},  // first, so that no builder misses it
    {NoteSection::Use, "What it is for"},
    {NoteSection::Variant, "Variant"},
    {NoteSection::Cable, "Cable to use"},
    {NoteSection::Caution, "Caution"},
    {NoteSection::Source, "Wiring documented in"},
};

// The lines of one section joined into one paragraph, with the line of its first source line.
std::pair<std::string, int> paragraph(const CableSource& cable, NoteSection section) {
    std::string text;
    int line = 0;
    for (const CableNote& note : cable.notes) {
        if (note.section != section) continue;
        if (line == 0) line = note.line;
        text += (text.empty() ? "" : " ") + note.text;
    }
    return {text, line};
}

// A heading and its paragraphs at y, which moves below them; false when they run past the bottom.
bool leftParagraphs(Sketch& sketch, const std::string& heading, const std::vector<std::string>& texts, int line,
                    TextSize size, int& y, int& failedLine) {
    sketch.setSourceLine(line);
    if (y < LowestBaseline) {
        failedLine = line;
        return false;
    }
    sketch.text({Left, y}, size.height, Align::Left, heading, true);
    y -= size.pitch;
    for (const std::string& text : texts) {
        for (const std::string& l : wrapText(text, size.height, false, LeftWidth)) {
            if (y < LowestBaseline) {
                failedLine = line;
                return false;
            }
            sketch.text({Left, y}, size.height, Align::Left, l);
            y -= size.pitch;
        }
    }
    y -= size.pitch / 3;
    return true;
}

bool leftParagraph(Sketch& sketch, const std::string& heading, const std::string& text, int line, TextSize size, int& y,
                   int& failedLine) {
    return leftParagraphs(sketch, heading, {text}, line, size, y, failedLine);
}

// Lays out the left column; false when it runs past the bottom.
// The connectors and their genders stand on the left after what the cable is for, or, where the
// left column is full, at the head of the continuity check.
enum class EndsPlace { Left, Right };
// The neighbours that must stay silent close the checklist, or, where it is full, the left column;
// where neither holds them, the checklist says them in short (every two side by side but those
// joined) and sets its pairs closer; then it counts them (Copy wiring and the bench test list
// them), and where not even that fits, the notes stand as they would without them.
enum class QuietPlace { Right, Left, Short, Counted, Out };

// The room between two columns of the checklist's pairs: less where everything is written short.
int entryGap(QuietPlace quiet) { return quiet == QuietPlace::Short ? 150 : 250; }

std::string quietCount(const CableSource& cable) {
    std::vector<std::pair<std::string, int>> ends;
    for (const QuietPair& pair : cable.quietPairs) {
        const std::string end = QuietEndName(pair.from);
        if (ends.empty() || ends.back().first != end) ends.emplace_back(end, 0);
        ++ends.back().second;
    }
    std::string text = std::string(ContinuityQuiet) + ", too many to list here (Copy wiring lists them):";
    for (std::size_t i = 0; i < ends.size(); ++i)
        text += (i ? ", " : " ") + ends[i].first + " " + std::to_string(ends[i].second);
    return text + " pairs.";
}

constexpr const char* PartsHeading = "Parts";
constexpr const char* ConnectorsHeading = "Connectors";

int genderSourceLine(const CableSource& cable) { return cable.startEnd.genderLine == 0 ? 1 : cable.startEnd.genderLine; }

// The parts stand on the left after the cable to use, or, where the left column is full, at the
// foot of the continuity check.
enum class PartsPlace { Left, Right };

// The notes' text sizes, the largest first: the layout tries each in turn.
constexpr TextSize NoteTextSizes[] = {{240, 290}, {230, 275}, {220, 260}};

// The first baseline of both columns: the tops of its capitals stay 112 units under the rule at y
// 3370 whatever the text size, so smaller text gains its own room.
int columnTop(TextSize size) { return 3370 - 112 - size.height * 91 / 100; }

// What the continuity check opens with: which side is which (the paragraph "Parts" names the ends)
// and, where the left column has no room for them, the sentences that say which drawing to mirror.
std::string continuityLead(const CableSource& cable, EndsPlace ends) {
    const std::string mirror = ends == EndsPlace::Right ? endsParagraph(cable) : std::string();
    return std::string(ContinuitySides) + (mirror.empty() ? "" : " " + mirror) + " " + ContinuityBeeps;
}

bool leftColumn(Sketch& sketch, const CableSource& cable, TextSize size, int top, EndsPlace ends, PartsPlace parts, QuietPlace quiet,
                int& failedLine) {
    int y = top;
    for (const Section& s : LeftSections) {
        if (s.section == NoteSection::Variant && ends == EndsPlace::Left && !endsParagraph(cable).empty() &&
            !leftParagraph(sketch, ConnectorsHeading, endsParagraph(cable), genderSourceLine(cable), size, y, failedLine))
            return false;
        // What is bought, after the cable to use.
        if (s.section == NoteSection::Caution && parts == PartsPlace::Left &&
            !leftParagraph(sketch, PartsHeading, partsParagraph(cable), partsSourceLine(cable), size, y, failedLine))
            return false;
        const auto [text, line] = paragraph(cable, s.section);
        if (text.empty()) continue;
        if (!leftParagraph(sketch, s.heading, text, line, size, y, failedLine)) return false;
    }
    const std::vector<std::string> quietLines = QuietChainLines(cable.quietPairs);
    if (quiet == QuietPlace::Left && !quietLines.empty())
        return leftParagraphs(sketch, ContinuityQuiet, quietLines, 1, size, y, failedLine);
    return true;
}

// The width a line of the right column may take at baseline y: narrower beside the OK button.
int rightWidth(int y, int height) {
    const int bottomOfText = y - height * 22 / 100 - 20;
    return bottomOfText < ButtonTop + 40 ? ButtonLeft - 60 - RightX : RightEdge - RightX;
}

void rightParagraph(Sketch& sketch, const std::string& text, TextSize size, bool bold, int& y) {
    std::vector<std::string> words = wrapText(text, size.height, bold, 1);  // one word a line
    std::size_t next = 0;
    while (next < words.size()) {
        const int widthHere = rightWidth(y, size.height);
        std::string line = words[next++];
        while (next < words.size() && estimateTextWidth(line + " " + words[next], size.height, bold) <= widthHere)
            line += " " + words[next++];
        sketch.text({RightX, y}, size.height, Align::Left, line, bold);
        y -= size.pitch;
    }
}

std::string contactList(const std::vector<std::string>& contacts) {
    std::string out;
    std::size_t i = 0;
    while (i < contacts.size()) {
        std::size_t j = i;
        while (j + 1 < contacts.size() && std::stoi(contacts[j + 1]) == std::stoi(contacts[j]) + 1) ++j;
        out += (out.empty() ? "" : ", ") + contacts[i] + (j > i ? "-" + contacts[j] : "");
        i = j + 1;
    }
    return out;
}

bool rightColumn(Sketch& sketch, const CableSource& cable, TextSize size, int top, EndsPlace ends, PartsPlace parts, QuietPlace quietPlace,
                 int& failedLine) {
    int y = top;
    sketch.setSourceLine(1);
    sketch.text({RightX, y}, size.height, Align::Left, ContinuityHeading, true);
    y -= size.pitch;
    sketch.setSourceLine(genderSourceLine(cable));
    rightParagraph(sketch, continuityLead(cable, ends), size, false, y);
    // The continuity list, written short: a ribbon as one line, the long SHELL entries as one
    // paragraph, the rest one entry per pair.
    const std::size_t wireCount = cable.wires.size();
    auto isRibbon = [&](std::size_t i) { return i < wireCount && cable.wires[i].kind == Wire::Kind::Ribbon; };
    auto lineOf = [&](std::size_t i) { return i < wireCount ? cable.wires[i].line : cable.jumpers[i - wireCount].line; };
    auto onShell = [&](std::size_t i) {
        return i < wireCount ? cable.wires[i].start.contact == "SHELL" || cable.wires[i].end.contact == "SHELL"
                             : cable.jumpers[i - wireCount].a.contact == "SHELL" ||
                                   cable.jumpers[i - wireCount].b.contact == "SHELL";
    };
    std::vector<std::string> entries;
    std::vector<int> entryLines;
    std::vector<std::string> shells;
    const std::vector<ContinuityPair> pairs = ContinuityList(indexedWires(cable));
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const std::size_t i = pairs[k].wire;
        if (isRibbon(i)) {
            std::vector<std::string> contacts;
            for (; k < pairs.size() && isRibbon(pairs[k].wire) && cable.wires[pairs[k].wire].group == cable.wires[i].group; ++k)
                contacts.push_back(cable.wires[pairs[k].wire].start.contact);
            --k;
            sketch.setSourceLine(lineOf(i));
            rightParagraph(sketch, "Sn - En for n = " + contactList(contacts), size, false, y);
        } else if (onShell(i)) {
            shells.push_back(pairs[k].text());
        } else {
            entries.push_back(pairs[k].text());
            entryLines.push_back(lineOf(i));
        }
    }
    const int gap = entryGap(quietPlace);
    int entryWidth = 0;
    for (const std::string& e : entries) entryWidth = std::max(entryWidth, estimateTextWidth(e, size.height, false) + gap);
    if (!entries.empty()) {
        // Column by column; a column that reaches right of the button's edge stops above it.
        const int columns = std::max(1, (RightEdge - RightX + gap) / entryWidth);
        std::size_t next = 0;
        int lowest = y;
        for (int k = 0; k < columns && next < entries.size(); ++k) {
            const int x = RightX + k * entryWidth;
            const bool besideButton = x + entryWidth - gap > ButtonLeft;
            const int limit = besideButton ? ButtonTop + 60 + size.height * 22 / 100 : LowestBaseline;
            const std::size_t perColumn = (entries.size() + columns - 1) / columns;
            int ey = y;
            for (std::size_t n = 0; n < perColumn && next < entries.size() && ey >= limit; ++n, ++next) {
                sketch.setSourceLine(entryLines[next]);
                sketch.text({x, ey}, size.height, Align::Left, entries[next]);
                lowest = std::min(lowest, ey);
                ey -= size.pitch;
            }
        }
        if (next < entries.size()) {
            failedLine = entryLines[next];
            return false;
        }
        y = lowest - size.pitch;
    }
    if (!shells.empty()) {
        std::string text = "Shield:";
        for (std::size_t i = 0; i < shells.size(); ++i) text += (i == 0 ? " " : ", ") + shells[i];
        rightParagraph(sketch, text, size, false, y);
    }
    const auto [checks, line] = paragraph(cable, NoteSection::Check);
    sketch.setSourceLine(line == 0 ? 1 : line);
    if (!checks.empty()) rightParagraph(sketch, checks, size, false, y);
    sketch.setSourceLine(1);
    const std::vector<std::string> quiet =
        quietPlace == QuietPlace::Right ? QuietChainLines(cable.quietPairs) : std::vector<std::string>();
    if (!quiet.empty()) rightParagraph(sketch, std::string(ContinuityQuiet) + ":", size, false, y);
    for (const std::string& end : quiet) rightParagraph(sketch, end, size, false, y);
    if (quietPlace == QuietPlace::Short && !cable.quietPairs.empty())
        rightParagraph(sketch, QuietShortText(cable.quietPairs, cable.joinedNeighbours), size, false, y);
    if (quietPlace == QuietPlace::Counted && !cable.quietPairs.empty()) rightParagraph(sketch, quietCount(cable), size, false, y);
    rightParagraph(sketch, ContinuityNoOtherBeep, size, false, y);
    if (parts == PartsPlace::Right) {
        sketch.setSourceLine(partsSourceLine(cable));
        rightParagraph(sketch, std::string(PartsHeading) + ": " + partsParagraph(cable), size, false, y);
    }
    if (y + size.pitch < LowestBaseline) {
        failedLine = parts == PartsPlace::Right ? partsSourceLine(cable) : line == 0 ? 1 : line;
        return false;
    }
    return true;
}

// Of a paragraph of several note lines that runs past the foot, the note line whose words first
// reach past it: the one to shorten or move. The paragraph's heading stands at its highest text.
int notePastFoot(const CableSource& cable, const Sketch& column, int paragraphLine, int foot, TextSize size) {
    const auto first = std::find_if(cable.notes.begin(), cable.notes.end(),
                                    [paragraphLine](const CableNote& n) { return n.line == paragraphLine; });
    if (first == cable.notes.end()) return paragraphLine;
    int heading = foot;
    for (const Shape& shape : column.shapes())
        if (shape.sourceLine == paragraphLine) heading = std::max(heading, shape.points.front().y);
    const int room = (heading - foot) / size.pitch;  // the paragraph's lines above the foot
    std::string text;
    for (const CableNote& note : cable.notes) {
        if (note.section != first->section) continue;
        text += (text.empty() ? "" : " ") + note.text;
        if (static_cast<int>(wrapText(text, size.height, false, LeftWidth).size()) > room) return note.line;
    }
    return paragraphLine;
}

// The refusal of notes that fit no arrangement: each column laid out at the smallest text on a page
// that never runs out, counted in lines against the lines a column holds, in the arrangement that
// overflows least. The fault is the first text past the foot, in the column that overflows.
[[noreturn]] void refuseNotes(const CableSource& cable, int failedLine) {
    const TextSize smallest = NoteTextSizes[2];
    const int top = columnTop(smallest);  // where the columns start at that size, as laid out
    constexpr int tallTop = 1000000;
    const int foot = tallTop - (top - LowestBaseline);  // where the real foot falls on the tall page
    const int fit = (top - LowestBaseline) / smallest.pitch + 1;
    struct Count {
        int lines = 0;
        int firstPast = 0;  // the source line of the first text past the foot
    };
    const auto count = [&](const Sketch& column) {
        Count c;
        int lowest = tallTop;
        for (const Shape& shape : column.shapes()) {
            if (shape.kind != Shape::Kind::Text) continue;
            lowest = std::min(lowest, shape.points.front().y);
            if (c.firstPast == 0 && shape.points.front().y < foot) c.firstPast = shape.sourceLine;
        }
        c.lines = (tallTop - lowest) / smallest.pitch + 1;
        return c;
    };
    Count left, right;
    Sketch leftOfBest;
    int overflow = -1;
    for (EndsPlace ends : {EndsPlace::Left, EndsPlace::Right}) {
        for (PartsPlace parts : {PartsPlace::Left, PartsPlace::Right}) {
            Sketch leftSketch, rightSketch;
            int unused = 0;
            leftColumn(leftSketch, cable, smallest, tallTop, ends, parts, QuietPlace::Out, unused);
            rightColumn(rightSketch, cable, smallest, tallTop, ends, parts, QuietPlace::Out, unused);
            const Count l = count(leftSketch), r = count(rightSketch);
            const int over = std::max(0, l.lines - fit) + std::max(0, r.lines - fit);
            if (overflow >= 0 && over >= overflow) continue;
            overflow = over;
            left = l;
            right = r;
            leftOfBest = leftSketch;
        }
    }
    const int line = left.lines > fit    ? notePastFoot(cable, leftOfBest, left.firstPast, foot, smallest)
                     : right.lines > fit ? right.firstPast
                                         : failedLine;
    fail(cable, line,
         "the notes take " + std::to_string(left.lines) + " lines at the smallest text and the continuity check " +
             std::to_string(right.lines) + "; " + std::to_string(fit) + " fit in each column: shorten them");
}

}  // namespace

Sketch layoutCableNotes(const CableSource& cable, const std::string& name, int nameLine) {
    int titleHeight = 340;
    while (titleHeight > 240 && estimateTextWidth(name, titleHeight, true) > 9400) titleHeight -= 20;
    int failedLine = 1;
    for (QuietPlace quiet : {QuietPlace::Right, QuietPlace::Left, QuietPlace::Short, QuietPlace::Counted, QuietPlace::Out}) {
        for (TextSize size : NoteTextSizes) {
            for (auto [ends, parts] : {std::pair{EndsPlace::Left, PartsPlace::Left}, std::pair{EndsPlace::Right, PartsPlace::Left},
                                       std::pair{EndsPlace::Left, PartsPlace::Right}, std::pair{EndsPlace::Right, PartsPlace::Right}}) {
                Sketch sketch;
                sketch.setSourceLine(nameLine);
                sketch.text({0, 3620}, titleHeight, Align::Centre, name, true);
                sketch.setSourceLine(1);
                sketch.setPen(20);
                sketch.line({-4700, 3370}, {4700, 3370});
                sketch.line({RightX - 150, 3200}, {RightX - 150, -3800});
                sketch.setPen(25);
                const int top = columnTop(size);
                if (leftColumn(sketch, cable, size, top, ends, parts, quiet, failedLine) &&
                    rightColumn(sketch, cable, size, top, ends, parts, quiet, failedLine))
                    return sketch;
            }
        }
    }
    refuseNotes(cable, failedLine);
}

std::vector<std::pair<std::string, std::string>> notesParagraphs(const CableSource& cable) {
    std::vector<std::pair<std::string, std::string>> paragraphs;
    for (const Section& s : LeftSections) {
        if (s.section == NoteSection::Variant && !endsParagraph(cable).empty())
            paragraphs.emplace_back(ConnectorsHeading, endsParagraph(cable));
        if (s.section == NoteSection::Caution) paragraphs.emplace_back(PartsHeading, partsParagraph(cable));
        const std::string text = paragraph(cable, s.section).first;
        if (!text.empty()) paragraphs.emplace_back(s.heading, text);
    }
    return paragraphs;
}

}  // namespace wiring
