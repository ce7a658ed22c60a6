#include "wiring/CableLayout.h"

#include <algorithm>
#include <tuple>

#include "wiring/CableRows.h"
#include "wiring/EndGenders.h"

namespace wiring {

namespace {

// The drawing's frame, in drawing units.
constexpr int Left = -1860;
constexpr int Right = 1860;
constexpr int Top = 4400;
constexpr int Bottom = -4400;

// The heading: title lines, the two connectors' names and genders, a thin rule under them.
constexpr int FirstTitleDrop = 290;  // from the top to the first title's baseline
constexpr int TitleHeight = 300;
constexpr int SubtitleHeight = 240;
constexpr int TitlePitch = 320;
constexpr int NamesDrop = 340;  // from the last title to the names
constexpr int NameHeight = 240;
constexpr int NamesLeastGap = 150;
constexpr int GenderDrop = 290;  // from the names to the genders under them, clear of descenders
constexpr int RuleDrop = 110;  // from the genders' baseline to the rule
constexpr int RulePen = 15;
constexpr int Pen = 25;
constexpr int RowsDrop = 170;  // from the genders' baseline to the top of the rows

// The legend, from the bottom up.
constexpr int LegendHeight = 220;
constexpr int LegendPitch = 280;
constexpr int LegendBaseline = 110;  // above the bottom
constexpr int RowsAboveLegend = 120;
constexpr int RowsAboveBottom = 60;  // without a legend

// The rows: one contact pair a row, the text as large as the pitch allows.
constexpr int SmallestPitch = 250;
constexpr int LargestPitch = 450;
constexpr int TextPercentOfPitch = 62;
constexpr int SmallestText = 220;
constexpr int LargestText = 280;
constexpr int TextStep = 10;
constexpr int BaselinePercent = 35;  // of the text height, from a row's line down to its baseline
constexpr int SmallestMiddle = 500;  // between the two columns of dots
constexpr int MiddleTextRoom = 200;  // beside a text on a wire
constexpr int TextToWires = 180;     // the room the dots and lanes need beyond the texts
constexpr int DotFromText = 90;
constexpr int LaneStep = 110;
constexpr int DotRadius = 45;
constexpr int BusPen = 70;
constexpr int OpenShieldInset = 250;  // a shield end left free stops short of the dots
constexpr int OpenShieldTick = 90;
constexpr int DashLength = 140;
constexpr int DashPeriod = 230;
constexpr int LineTextGap = 70;  // between a line and the text that breaks it

[[noreturn]] void fail(const CableSource& cable, int line, const std::string& message) {
    throw DataError(cable.file, line == 0 ? 1 : line, message);
}

bool isShort(const std::string& label) { return label.size() <= 3; }

bool boldLabel(const DiagramSlot& s) { return s.dot; }  // "open" (a shield end left free) is plain

struct Lanes {
    std::vector<int> laneOf;  // per jumper of this side, in cable.jumpers order; -1 for the other side
    int count = 0;
};

Lanes assignLanes(const CableSource& cable, const std::vector<DiagramRow>& rows, Side side) {
    Lanes lanes;
    std::vector<int> lastRow;  // per lane, the lowest row it reaches
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < cable.jumpers.size(); ++i) order.push_back(i);
    auto top = [&](std::size_t i) {
        return std::min(rowOf(rows, cable.jumpers[i].a), rowOf(rows, cable.jumpers[i].b));
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return top(a) < top(b); });
    lanes.laneOf.assign(cable.jumpers.size(), -1);
    for (std::size_t i : order) {
        const Jumper& j = cable.jumpers[i];
        if (j.a.side != side) continue;
        const int first = top(i);
        const int last = std::max(rowOf(rows, j.a), rowOf(rows, j.b));
        int lane = 0;
        while (lane < static_cast<int>(lastRow.size()) && lastRow[lane] >= first) ++lane;
        if (lane == static_cast<int>(lastRow.size())) lastRow.push_back(last);
        lastRow[lane] = last;
        lanes.laneOf[i] = lane;
    }
    lanes.count = static_cast<int>(lastRow.size());
    return lanes;
}

struct Columns {
    int height = 0;     // text height of the rows
    int pinLeft = 0;    // width of the left pin number column
    int pinRight = 0;
    int gap = 0;        // between a pin number and its signal
    int textEndLeft = 0;
    int textStartRight = 0;
};

int width(const std::string& text, int height, bool bold) { return estimateTextWidth(text, height, bold); }

// Where the signal text of a slot starts (left) or ends (right), measured from the outer edge.
int signalOffset(const DiagramSlot& s, int pinColumn, const Columns& c) {
    return std::max(pinColumn, isShort(s.label) ? 0 : width(s.label, c.height, boldLabel(s))) + c.gap;
}

Columns measure(const std::vector<DiagramRow>& rows, int height) {
    Columns c;
    c.height = height;
    c.gap = height * 40 / 100;  // between a pin number and its signal
    c.pinLeft = c.pinRight = width("88", height, true);
    for (const DiagramRow& row : rows) {
        if (row.left.used && isShort(row.left.label)) c.pinLeft = std::max(c.pinLeft, width(row.left.label, height, true));
        if (row.right.used && isShort(row.right.label)) c.pinRight = std::max(c.pinRight, width(row.right.label, height, true));
    }
    c.textEndLeft = Left + c.pinLeft;
    c.textStartRight = Right - c.pinRight;
    for (const DiagramRow& row : rows) {
        if (row.left.used) {
            const int labelEnd = Left + (isShort(row.left.label) ? c.pinLeft : width(row.left.label, height, boldLabel(row.left)));
            const int signalEnd = row.left.signal.empty() ? labelEnd
                                                          : Left + signalOffset(row.left, c.pinLeft, c) + width(row.left.signal, height, false);
            c.textEndLeft = std::max(c.textEndLeft, signalEnd);
        }
        if (row.right.used) {
            const int labelStart = Right - (isShort(row.right.label) ? c.pinRight : width(row.right.label, height, boldLabel(row.right)));
            const int signalStart = row.right.signal.empty()
                                        ? labelStart
                                        : Right - signalOffset(row.right, c.pinRight, c) - width(row.right.signal, height, false);
            c.textStartRight = std::min(c.textStartRight, signalStart);
        }
    }
    return c;
}

void drawSlot(Sketch& sketch, const DiagramSlot& s, Side side, int baseline, const Columns& c) {
    if (!s.used) return;
    const int h = c.height;
    const bool bold = boldLabel(s);
    if (side == Side::Start) {
        if (isShort(s.label)) sketch.text({Left + c.pinLeft, baseline}, h, Align::Right, s.label, bold);
        else sketch.text({Left, baseline}, h, Align::Left, s.label, bold);
        if (!s.signal.empty()) sketch.text({Left + signalOffset(s, c.pinLeft, c), baseline}, h, Align::Left, s.signal);
    } else {
        if (isShort(s.label)) sketch.text({Right - c.pinRight, baseline}, h, Align::Left, s.label, bold);
        else sketch.text({Right, baseline}, h, Align::Right, s.label, bold);
        if (!s.signal.empty()) sketch.text({Right - signalOffset(s, c.pinRight, c), baseline}, h, Align::Right, s.signal);
    }
}

// A line from x1 to x2 at y, broken around a text in its middle.
void lineWithText(Sketch& sketch, int x1, int x2, int y, const std::string& text, int height, bool dashed) {
    const int middle = (x1 + x2) / 2;
    const int half = text.empty() ? 0 : width(text, height, false) / 2 + LineTextGap;
    auto segment = [&](int from, int to) {
        if (to <= from) return;
        if (!dashed) {
            sketch.line({from, y}, {to, y});
            return;
        }
        for (int x = from; x < to; x += DashPeriod) sketch.line({x, y}, {std::min(x + DashLength, to), y});
    };
    segment(x1, middle - half);
    segment(middle + half, x2);
    if (!text.empty()) sketch.text({middle, y - height * BaselinePercent / 100}, height, Align::Centre, text);
}

void dot(Sketch& sketch, int x, int y, const std::string& contact) {
    sketch.setPen(0);
    sketch.setFill(Fill::Black);
    sketch.circle({x, y}, DotRadius);
    sketch.markContact("the wire end at " + contact);
    sketch.setPen(Pen);
    sketch.setFill(Fill::None);
}

std::vector<std::string> legendLines(const CableSource& cable) {
    std::vector<std::string> lines;
    const bool ribbon = std::any_of(cable.wires.begin(), cable.wires.end(),
                                    [](const Wire& w) { return w.kind == Wire::Kind::Ribbon; });
    const bool shield = std::any_of(cable.wires.begin(), cable.wires.end(),
                                    [](const Wire& w) { return w.kind == Wire::Kind::Shield; });
    if (ribbon) {
        lines.push_back("1:1 straight through,");
        lines.push_back("pin 1 to pin 1 (red stripe)");
    }
    if (!cable.jumpers.empty() && shield) {
        lines.push_back("Jumper: link in plug; dashed: shield");
    } else {
        if (!cable.jumpers.empty()) lines.push_back("Jumper: link in the plug");
        if (shield) lines.push_back("Dashed: the shield");
    }
    return lines;
}

// Under the titles of a cable whose wiring no public reference confirms, a bold warning that
// sends the builder to the notes, where the reason stands. Answers the baseline it wrote on.
int drawUnconfirmed(Sketch& sketch, const CableSource& cable, int y) {
    if (unconfirmedText(cable).empty()) return y;
    for (const CableNote& note : cable.notes) {
        if (note.section != NoteSection::Unconfirmed) continue;
        sketch.setSourceLine(note.line);
        break;
    }
    y -= TitlePitch;
    sketch.text({0, y}, SubtitleHeight, Align::Centre, UnconfirmedWarning, true);
    return y;
}

// Title lines, then the two connectors' names over their columns and a rule. Answers where the
// rows may start.
int drawHeading(Sketch& sketch, const CableSource& cable) {
    int y = Top - FirstTitleDrop;
    for (std::size_t i = 0; i < cable.titles.size(); ++i) {
        if (i > 0) y -= TitlePitch;
        sketch.setSourceLine(cable.titles[i].line);
        sketch.text({0, y}, i == 0 ? TitleHeight : SubtitleHeight, Align::Centre, cable.titles[i].text, i == 0);
    }
    y = drawUnconfirmed(sketch, cable, y);
    y -= NamesDrop;
    const int startWidth = width(cable.startTitle.text, NameHeight, true);
    const int endWidth = width(cable.endTitle.text, NameHeight, true);
    if (startWidth + endWidth + NamesLeastGap > Right - Left) {
        const std::size_t characters = cable.startTitle.text.size() + cable.endTitle.text.size();
        fail(cable, cable.endTitle.line,
             "the start and end names take " + std::to_string(characters) + " characters; " +
                 std::to_string(charactersThatFit(cable.startTitle.text + cable.endTitle.text, NameHeight, true,
                                                  Right - Left - NamesLeastGap)) +
                 " fit side by side: shorten them");
    }
    sketch.setSourceLine(cable.startTitle.line);
    sketch.text({Left, y}, NameHeight, Align::Left, cable.startTitle.text, true);
    sketch.setSourceLine(cable.endTitle.line);
    sketch.text({Right, y}, NameHeight, Align::Right, cable.endTitle.text, true);
    // Under the names, each end's gender and whether its drawing must be mirrored.
    y -= GenderDrop;
    const GenderLine genders = genderLine(cable, LegendHeight, Right - Left);
    sketch.setSourceLine(cable.startEnd.genderLine);
    if (!genders.both.empty()) {
        sketch.text({0, y}, LegendHeight, Align::Centre, genders.both);
    } else {
        sketch.text({Left, y}, LegendHeight, Align::Left, genders.start);
        sketch.setSourceLine(cable.endEnd.genderLine);
        sketch.text({Right, y}, LegendHeight, Align::Right, genders.end);
    }
    sketch.setPen(RulePen);
    sketch.line({Left, y - RuleDrop}, {Right, y - RuleDrop});
    sketch.setPen(Pen);
    return y - RowsDrop;
}

// The legend lines from the bottom up. Answers where the rows must end.
int drawLegend(Sketch& sketch, const CableSource& cable) {
    const std::vector<std::string> legend = legendLines(cable);
    int legendY = Bottom + LegendBaseline;
    for (std::size_t i = legend.size(); i-- > 0;) {
        sketch.setSourceLine(1);
        sketch.text({0, legendY}, LegendHeight, Align::Centre, legend[i], i == 0 && legend.size() > 2);
        legendY += LegendPitch;
    }
    return legend.empty() ? Bottom + RowsAboveBottom : legendY - LegendPitch + LegendHeight + RowsAboveLegend;
}

// Where the rows go: their pitch and text height, the text columns, the jumpers' lanes and the
// two columns of dots the wires run between.
struct RowPlan {
    int pitch = 0;
    int height = 0;
    int start = 0;  // the top of the first row
    Columns columns;
    Lanes leftLanes;
    Lanes rightLanes;
    int dotLeft = 0;
    int dotRight = 0;
    int lineY(int row) const { return start - row * pitch - pitch / 2; }
};

RowPlan planRows(const CableSource& cable, const std::vector<DiagramRow>& rows, int rowsTop, int rowsBottom) {
    RowPlan plan;
    const int count = static_cast<int>(rows.size());
    plan.pitch = std::min(LargestPitch, (rowsTop - rowsBottom) / std::max(count, 1));
    if (plan.pitch < SmallestPitch) {
        const int fit = (rowsTop - rowsBottom) / SmallestPitch;
        fail(cable, rows[std::clamp(fit, 0, count - 1)].line,
             std::to_string(count) + " rows do not fit the diagram; " + std::to_string(fit) +
                 " fit: join straight wires into a range (wire 2-9 2-9 ...)");
    }
    // The largest text the pitch allows, smaller while the names leave the wires too little room.
    int height = std::clamp(plan.pitch * TextPercentOfPitch / 100, SmallestText, LargestText);
    auto middleNeeded = [&rows](int h) {
        int needed = SmallestMiddle;
        for (const DiagramRow& row : rows) {
            if (row.kind == DiagramRow::Kind::Wire && !row.middle.empty())
                needed = std::max(needed, width(row.middle, h, false) + MiddleTextRoom);
        }
        return needed;
    };
    while (height > SmallestText) {
        const Columns trial = measure(rows, height);
        if (trial.textStartRight - trial.textEndLeft - TextToWires - middleNeeded(height) >= 0) break;
        height = std::max(SmallestText, height - TextStep);
    }
    plan.height = height;
    // A short list stands in the middle of the room it has.
    plan.start = rowsTop - ((rowsTop - rowsBottom) - plan.pitch * count) / 3;
    plan.columns = measure(rows, height);
    plan.leftLanes = assignLanes(cable, rows, Side::Start);
    plan.rightLanes = assignLanes(cable, rows, Side::End);
    plan.dotLeft = plan.columns.textEndLeft + DotFromText + plan.leftLanes.count * LaneStep;
    plan.dotRight = plan.columns.textStartRight - DotFromText - plan.rightLanes.count * LaneStep;
    return plan;
}

// The text of a slot that reaches farthest towards the middle: its signal name, or a long contact
// name ("SHELL") where it has none. Empty when only a pin number stands there.
struct SlotText {
    std::string what;  // "signal name", "contact name"
    std::string text;
    int start = 0;     // from the outer edge to where the text begins
    int end = 0;       // from the outer edge to where it ends
    bool bold = false;
};

SlotText slotText(const DiagramSlot& s, int pinColumn, const Columns& c) {
    if (!s.used) return {};
    if (!s.signal.empty()) {
        const int start = signalOffset(s, pinColumn, c);
        return {"signal name", s.signal, start, start + width(s.signal, c.height, false), false};
    }
    if (isShort(s.label)) return {};
    return {"contact name", s.label, 0, width(s.label, c.height, boldLabel(s)), boldLabel(s)};
}

// Where the wires are left too little room, the fault lies with the texts that take it: a colour
// too wide for the middle beside its own row's names, or else the names that squeeze the middle.
// Every such text is named on its own line, with its characters and how many fit.
void checkMiddleRoom(const CableSource& cable, const std::vector<DiagramRow>& rows, const RowPlan& plan) {
    const Columns& c = plan.columns;
    const int wiresAside = 2 * DotFromText + (plan.leftLanes.count + plan.rightLanes.count) * LaneStep;
    const int widest = (Right - c.pinRight) - (Left + c.pinLeft) - wiresAside;  // the middle without any names
    const auto beyondPins = [](const SlotText& t, int pinColumn) { return t.text.empty() ? 0 : std::max(0, t.end - pinColumn); };
    FaultList faults;
    int middle = SmallestMiddle;
    std::string squeezing;  // the widest text on a wire that fits beside its own row's names
    for (const DiagramRow& row : rows) {
        if (row.kind != DiagramRow::Kind::Wire || row.middle.empty()) continue;
        const int needed = width(row.middle, plan.height, false) + MiddleTextRoom;
        const int besideOwn = widest - beyondPins(slotText(row.left, c.pinLeft, c), c.pinLeft) -
                              beyondPins(slotText(row.right, c.pinRight, c), c.pinRight);
        if (needed > besideOwn) {
            faults.add({cable.file, std::max(1, row.line),
                        tooManyCharacters("", row.middle, charactersThatFit(row.middle, plan.height, false, besideOwn - MiddleTextRoom),
                                          "in the middle of the diagram")});
        } else if (needed > middle) {
            middle = needed;
            squeezing = row.middle;
        }
    }
    // The names share what the middle leaves; where both sides want more than half, each gets half.
    const int names = widest - middle;
    const int leftTaken = c.textEndLeft - (Left + c.pinLeft);
    const int rightTaken = (Right - c.pinRight) - c.textStartRight;
    if (leftTaken + rightTaken > names) {
        int leftShare = names / 2;
        int rightShare = names - names / 2;
        if (rightTaken <= rightShare) leftShare = names - rightTaken;
        else if (leftTaken <= leftShare) rightShare = names - leftTaken;
        const std::string beside = "beside " + std::to_string(rows.size()) + " rows" + (squeezing.empty() ? "" : " and '" + squeezing + "'");
        for (const DiagramRow& row : rows) {
            for (const auto& [slot, pinColumn, share] : {std::tuple{&row.left, c.pinLeft, leftShare}, std::tuple{&row.right, c.pinRight, rightShare}}) {
                const SlotText t = slotText(*slot, pinColumn, c);
                if (t.text.empty() || t.end <= pinColumn + share) continue;
                faults.add({cable.file, std::max(1, row.line),
                            tooManyCharacters(t.what, t.text, charactersThatFit(t.text, c.height, t.bold, pinColumn + share - t.start),
                                              beside)});
            }
        }
    }
    // With no name to blame, the jumpers' lanes take the room.
    if (faults.empty() && leftTaken + rightTaken > names) {
        const int lanes = plan.leftLanes.count + plan.rightLanes.count;
        const int fit = std::max(0, ((Right - c.pinRight) - (Left + c.pinLeft) - 2 * DotFromText - middle) / LaneStep);
        faults.add({cable.file, cable.jumpers.empty() ? 1 : cable.jumpers.front().line,
                    "the jumpers take " + std::to_string(lanes) + " lanes beside the wires; " + std::to_string(fit) + " fit"});
    }
    faults.throwAny();
}

// One row: its line across (plain, bus, dashed shield), the contacts' texts and dots.
void drawRow(Sketch& sketch, const DiagramRow& row, int index, const RowPlan& plan) {
    const Columns& c = plan.columns;
    const int height = plan.height;
    const int dotLeft = plan.dotLeft;
    const int dotRight = plan.dotRight;
    sketch.setSourceLine(row.line);
    const int ly = plan.lineY(index);
    const int baseline = ly - height * BaselinePercent / 100;
    std::string middle = row.middle;
    // "8 wires" or "shield" gives way to the labels and the legend; a colour never has to
    // (checkMiddleRoom refuses the source first).
    if (!middle.empty() && width(middle, height, false) + MiddleTextRoom > dotRight - dotLeft) middle.clear();
    switch (row.kind) {
        case DiagramRow::Kind::Heading:
            sketch.text({Right, baseline}, height, Align::Right, row.middle, true);
            return;
        case DiagramRow::Kind::Gap:
            sketch.text({Left + c.pinLeft, baseline}, height, Align::Right, "...", true);
            sketch.text({Right - c.pinRight, baseline}, height, Align::Left, "...", true);
            sketch.text({(dotLeft + dotRight) / 2, baseline}, height, Align::Centre, middle);
            return;
        case DiagramRow::Kind::Wire:
            lineWithText(sketch, dotLeft, dotRight, ly, middle, height, false);
            break;
        case DiagramRow::Kind::Bus:
            sketch.setPen(BusPen);
            lineWithText(sketch, dotLeft, dotRight, ly, middle, height, false);
            sketch.setPen(Pen);
            break;
        case DiagramRow::Kind::Shield: {
            const int from = row.left.dot ? dotLeft : dotLeft + OpenShieldInset;
            const int to = row.right.dot ? dotRight : dotRight - OpenShieldInset;
            lineWithText(sketch, from, to, ly, middle, height, true);
            if (!row.left.dot) sketch.line({from, ly - OpenShieldTick}, {from, ly + OpenShieldTick});
            if (!row.right.dot) sketch.line({to, ly - OpenShieldTick}, {to, ly + OpenShieldTick});
            break;
        }
        case DiagramRow::Kind::Loose: break;
    }
    drawSlot(sketch, row.left, Side::Start, baseline, c);
    drawSlot(sketch, row.right, Side::End, baseline, c);
    if (row.left.used && row.left.dot) dot(sketch, dotLeft, ly, row.left.label);
    if (row.right.used && row.right.dot) dot(sketch, dotRight, ly, row.right.label);
}

// Each jumper: out from its first contact's dot to its lane, along it, and back to the other's.
void drawJumpers(Sketch& sketch, const CableSource& cable, const std::vector<DiagramRow>& rows, const RowPlan& plan) {
    for (std::size_t i = 0; i < cable.jumpers.size(); ++i) {
        const Jumper& j = cable.jumpers[i];
        const int ra = rowOf(rows, j.a);
        const int rb = rowOf(rows, j.b);
        if (ra < 0 || rb < 0) fail(cable, j.line, "this jumper's contacts are not in the diagram");
        sketch.setSourceLine(j.line);
        const bool left = j.a.side == Side::Start;
        const int lane = (left ? plan.leftLanes : plan.rightLanes).laneOf[i];
        const int dotX = left ? plan.dotLeft : plan.dotRight;
        const int laneX = left ? dotX - (lane + 1) * LaneStep : dotX + (lane + 1) * LaneStep;
        sketch.polyline({{dotX, plan.lineY(ra)}, {laneX, plan.lineY(ra)}, {laneX, plan.lineY(rb)}, {dotX, plan.lineY(rb)}});
    }
}

}  // namespace

Sketch layoutCableDiagram(const CableSource& cable) {
    Sketch sketch;
    const int rowsTop = drawHeading(sketch, cable);
    const int rowsBottom = drawLegend(sketch, cable);
    const std::vector<DiagramRow> rows = diagramRows(cable);
    const RowPlan plan = planRows(cable, rows, rowsTop, rowsBottom);
    checkMiddleRoom(cable, rows, plan);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) drawRow(sketch, rows[i], i, plan);
    drawJumpers(sketch, cable, rows, plan);
    return sketch;
}

}  // namespace wiring
