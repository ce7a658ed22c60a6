#include "CableLayout.h"

#include <algorithm>

#include "CableRows.h"

namespace {

constexpr int Left = -1860;
constexpr int Right = 1860;
constexpr int Top = 4400;
constexpr int Bottom = -4400;
constexpr int LegendHeight = 220;
constexpr int LegendPitch = 280;
constexpr int SmallestPitch = 250;
constexpr int LargestPitch = 450;
constexpr int LaneStep = 110;
constexpr int DotRadius = 45;
constexpr int SmallestMiddle = 500;

[[noreturn]] void fail(const CableSource& cable, int line, const std::string& message) {
    throw DataError(cable.file + ":" + std::to_string(line == 0 ? 1 : line) + ": " + message);
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
    c.gap = height * 40 / 100;
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
    const int half = text.empty() ? 0 : width(text, height, false) / 2 + 70;
    auto segment = [&](int from, int to) {
        if (to <= from) return;
        if (!dashed) {
            sketch.line({from, y}, {to, y});
            return;
        }
        for (int x = from; x < to; x += 230) sketch.line({x, y}, {std::min(x + 140, to), y});
    };
    segment(x1, middle - half);
    segment(middle + half, x2);
    if (!text.empty()) sketch.text({middle, y - height * 35 / 100}, height, Align::Centre, text);
}

void dot(Sketch& sketch, int x, int y, const std::string& contact) {
    sketch.setPen(0);
    sketch.setFill(Fill::Black);
    sketch.circle({x, y}, DotRadius);
    sketch.markContact("the wire end at " + contact);
    sketch.setPen(25);
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
    if (!cable.jumpers.empty()) lines.push_back("Jumper: link in the plug");
    if (shield) lines.push_back("Dashed: the shield");
    return lines;
}

}  // namespace

Sketch layoutCableDiagram(const CableSource& cable) {
    Sketch sketch;
    // Title lines, then the two connectors' names over their columns.
    int y = Top - 290;
    for (std::size_t i = 0; i < cable.titles.size(); ++i) {
        if (i > 0) y -= 320;
        sketch.setSourceLine(cable.titles[i].line);
        sketch.text({0, y}, i == 0 ? 300 : 240, Align::Centre, cable.titles[i].text, i == 0);
    }
    y -= 420;
    const int startWidth = width(cable.startTitle.text, 240, true);
    const int endWidth = width(cable.endTitle.text, 240, true);
    if (startWidth + endWidth + 150 > Right - Left)
        fail(cable, cable.endTitle.line, "the start and end names are too long to stand side by side; shorten them");
    sketch.setSourceLine(cable.startTitle.line);
    sketch.text({Left, y}, 240, Align::Left, cable.startTitle.text, true);
    sketch.setSourceLine(cable.endTitle.line);
    sketch.text({Right, y}, 240, Align::Right, cable.endTitle.text, true);
    sketch.setPen(15);
    sketch.line({Left, y - 110}, {Right, y - 110});
    sketch.setPen(25);
    const int rowsTop = y - 170;

    // Legend lines from the bottom up.
    const std::vector<std::string> legend = legendLines(cable);
    int legendY = Bottom + 110;
    for (std::size_t i = legend.size(); i-- > 0;) {
        sketch.setSourceLine(1);
        sketch.text({0, legendY}, LegendHeight, Align::Centre, legend[i], i == 0 && legend.size() > 2);
        legendY += LegendPitch;
    }
    const int rowsBottom = legend.empty() ? Bottom + 60 : legendY - LegendPitch + LegendHeight + 120;

    const std::vector<DiagramRow> rows = diagramRows(cable);
    const int count = static_cast<int>(rows.size());
    const int pitch = std::min(LargestPitch, (rowsTop - rowsBottom) / std::max(count, 1));
    if (pitch < SmallestPitch)
        fail(cable, 1, std::to_string(count) + " rows do not fit the diagram; join straight wires into a range (wire 2-9 2-9 ...)");
    // The largest text the pitch allows, smaller while the names leave the wires too little room.
    int height = std::clamp(pitch * 62 / 100, 220, 280);
    auto middleNeeded = [&rows](int h) {
        int needed = SmallestMiddle;
        for (const DiagramRow& row : rows) {
            if (row.kind == DiagramRow::Kind::Wire && !row.middle.empty())
                needed = std::max(needed, width(row.middle, h, false) + 200);
        }
        return needed;
    };
    while (height > 220) {
        const Columns trial = measure(rows, height);
        if (trial.textStartRight - trial.textEndLeft - 180 - middleNeeded(height) >= 0) break;
        height -= 10;
    }
    // A short list stands in the middle of the room it has.
    const int rowsStart = rowsTop - ((rowsTop - rowsBottom) - pitch * count) / 3;
    const Columns c = measure(rows, height);
    const Lanes leftLanes = assignLanes(cable, rows, Side::Start);
    const Lanes rightLanes = assignLanes(cable, rows, Side::End);
    const int dotLeft = c.textEndLeft + 90 + leftLanes.count * LaneStep;
    const int dotRight = c.textStartRight - 90 - rightLanes.count * LaneStep;
    auto lineY = [&](int row) { return rowsStart - row * pitch - pitch / 2; };

    for (int i = 0; i < count; ++i) {
        const DiagramRow& row = rows[i];
        sketch.setSourceLine(row.line);
        const int ly = lineY(i);
        const int baseline = ly - height * 35 / 100;
        if (dotRight - dotLeft < SmallestMiddle)
            fail(cable, row.line, "the signal names leave no room for the wires; shorten them");
        std::string middle = row.middle;
        const bool tooWide = !middle.empty() && width(middle, height, false) + 200 > dotRight - dotLeft;
        // "8 wires" or "shield" gives way to the labels and the legend; a colour does not.
        if (tooWide && row.kind != DiagramRow::Kind::Wire) middle.clear();
        else if (tooWide)
            fail(cable, row.line, "'" + row.middle + "' is too wide for the middle of the diagram");
        switch (row.kind) {
            case DiagramRow::Kind::Heading:
                sketch.text({Right, baseline}, height, Align::Right, row.middle, true);
                continue;
            case DiagramRow::Kind::Gap:
                sketch.text({Left + c.pinLeft, baseline}, height, Align::Right, "...", true);
                sketch.text({Right - c.pinRight, baseline}, height, Align::Left, "...", true);
                sketch.text({(dotLeft + dotRight) / 2, baseline}, height, Align::Centre, middle);
                continue;
            case DiagramRow::Kind::Wire:
                lineWithText(sketch, dotLeft, dotRight, ly, middle, height, false);
                break;
            case DiagramRow::Kind::Bus:
                sketch.setPen(70);
                lineWithText(sketch, dotLeft, dotRight, ly, middle, height, false);
                sketch.setPen(25);
                break;
            case DiagramRow::Kind::Shield: {
                const int from = row.left.dot ? dotLeft : dotLeft + 250;
                const int to = row.right.dot ? dotRight : dotRight - 250;
                lineWithText(sketch, from, to, ly, middle, height, true);
                if (!row.left.dot) sketch.line({from, ly - 90}, {from, ly + 90});
                if (!row.right.dot) sketch.line({to, ly - 90}, {to, ly + 90});
                break;
            }
            case DiagramRow::Kind::Loose: break;
        }
        drawSlot(sketch, row.left, Side::Start, baseline, c);
        drawSlot(sketch, row.right, Side::End, baseline, c);
        if (row.left.used && row.left.dot) dot(sketch, dotLeft, ly, row.left.label);
        if (row.right.used && row.right.dot) dot(sketch, dotRight, ly, row.right.label);
    }

    for (std::size_t i = 0; i < cable.jumpers.size(); ++i) {
        const Jumper& j = cable.jumpers[i];
        const int ra = rowOf(rows, j.a);
        const int rb = rowOf(rows, j.b);
        if (ra < 0 || rb < 0) fail(cable, j.line, "this jumper's contacts are not in the diagram");
        sketch.setSourceLine(j.line);
        const bool left = j.a.side == Side::Start;
        const int lane = (left ? leftLanes : rightLanes).laneOf[i];
        const int dotX = left ? dotLeft : dotRight;
        const int laneX = left ? dotX - (lane + 1) * LaneStep : dotX + (lane + 1) * LaneStep;
        sketch.polyline({{dotX, lineY(ra)}, {laneX, lineY(ra)}, {laneX, lineY(rb)}, {dotX, lineY(rb)}});
    }
    return sketch;
}
