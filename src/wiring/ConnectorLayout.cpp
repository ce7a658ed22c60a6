#include "wiring/ConnectorLayout.h"

#include <algorithm>

#include "wiring/Envelope.h"
#include "wiring/LabelCheck.h"

namespace wiring {

namespace {

constexpr int Left = -1860;
constexpr int Right = 1860;
constexpr int LabelHeight = 220;
constexpr int NoteHeight = 220;
constexpr int NotePitch = 290;
constexpr int Bottom = -4400 + 60;

int drawTitles(Sketch& sketch, const ConnectorSource& source, int firstHeight, int secondHeight) {
    int y = 4400 - (firstHeight * 95 / 100);
    for (std::size_t i = 0; i < source.titles.size(); ++i) {
        const int height = i == 0 ? firstHeight : secondHeight;
        if (i > 0) y -= height * 125 / 100;
        sketch.setSourceLine(source.titles[i].line);
        sketch.text({0, y}, height, Align::Centre, source.titles[i].text, i == 0);
    }
    return y - 260;  // the lowest baseline, less the descent and a gap
}

// Centred lines from the bottom of the envelope upward; returns the baseline above the top one.
int drawBottomLines(Sketch& sketch, const std::vector<TextLine>& lines, bool firstBold) {
    int y = Bottom;
    for (std::size_t i = lines.size(); i-- > 0;) {
        sketch.setSourceLine(lines[i].line);
        const bool bold = firstBold && i == 0;
        sketch.text({0, y}, bold ? 240 : NoteHeight, Align::Centre, lines[i].text, bold);
        y += NotePitch;
    }
    return y;
}

}  // namespace

std::string genderLine(const ConnectorSource& source) {
    if (source.symbolic) return "Contacts by letter";
    if (source.looseEnds) return "Loose ends";
    const std::string gender = source.gender == Gender::Male ? "Male" : "Female";
    return gender + (source.sideView ? ", side view" : ", mating face");
}

Sketch layoutConnector(const ConnectorSource& source) {
    Sketch sketch;
    const int faceTop = drawTitles(sketch, source, 300, 240);
    std::vector<TextLine> lines;
    lines.push_back({genderLine(source), source.faceLine});
    for (const std::string& legend : source.face.legend) lines.push_back({legend, source.faceLine});
    for (const TextLine& note : source.notes) lines.push_back(note);
    const int above = drawBottomLines(sketch, lines, true);
    const int faceBottom = above - NotePitch + 240 + 150;
    sketch.setSourceLine(source.faceLine);
    drawFace(sketch, source.face, {Left, faceBottom, Right, faceTop}, source.face.numberHeight, false);
    return sketch;
}

namespace {

constexpr int ColumnGap = 160;

struct Table {
    int columns = 0;
    int height = 0;
    int rows = 0;  // rows per column
};

int pitchOf(int height) { return height * 122 / 100; }

int columnWidth(int columns) { return (Right - Left - (columns - 1) * ColumnGap) / columns; }

// The pin numbers stand right-aligned in a column as wide as the widest short label of that
// column; a long label ("1-23 odd") pushes only its own row's text to the right.
int labelColumn(const ConnectorSource& source, const Table& table, int column) {
    int widest = estimateTextWidth("88", table.height, true);
    for (int i = column * table.rows; i < std::min<int>((column + 1) * table.rows, source.pins.size()); ++i) {
        const std::string& label = source.pins[i].label;
        if (label.size() <= 3) widest = std::max(widest, estimateTextWidth(label, table.height, true));
    }
    return widest;
}

int textStart(const ConnectorSource& source, const Table& table, int index) {
    const int gap = table.height * 4 / 10;
    const int column = labelColumn(source, table, index / table.rows);
    return std::max(column, estimateTextWidth(source.pins[index].label, table.height, true)) + gap;
}

bool fits(const ConnectorSource& source, const Table& table, int available) {
    if (table.rows * pitchOf(table.height) > available) return false;
    for (int i = 0; i < static_cast<int>(source.pins.size()); ++i) {
        const int width = textStart(source, table, i) + estimateTextWidth(source.pins[i].signal, table.height, false);
        if (width > columnWidth(table.columns)) return false;
    }
    return true;
}

// Names every row too wide for the widest table its rows allow (one column where they fit one),
// with its characters and how many fit, and the row that is one too many; throws them all at once.
[[noreturn]] void refuseTable(const ConnectorSource& source, int available) {
    const int pins = static_cast<int>(source.pins.size());
    const Table last{2, 220, (pins + 1) / 2};
    const Table oneColumn{1, 230, pins};
    const Table& widest = pins * pitchOf(oneColumn.height) <= available ? oneColumn : last;
    FaultList faults;
    for (int i = 0; i < pins; ++i) {
        const PinRow& row = source.pins[i];
        const int room = columnWidth(widest.columns) - textStart(source, widest, i);
        if (estimateTextWidth(row.signal, widest.height, false) > room)
            faults.add({source.file, row.line,
                        tooManyCharacters("the text", row.signal, charactersThatFit(row.signal, widest.height, false, room),
                                          "in the pinout table")});
    }
    const int fit = last.columns * std::max(0, available / pitchOf(last.height));
    if (pins > fit)
        faults.add({source.file, source.pins[std::min(pins - 1, fit)].line,
                    "the pinout table has " + std::to_string(pins) + " rows; " + std::to_string(fit) + " fit: join rows"});
    faults.throwAny();
    throw DataError(source.file, 1, "the pinout table does not fit");
}

// The table's largest text that fits the room, in one column or two; refuses the source when none does.
Table chooseTable(const ConnectorSource& source, int available) {
    const int pins = static_cast<int>(source.pins.size());
    for (Table table : {Table{1, 300}, Table{1, 270}, Table{1, 250}, Table{1, 230}, Table{2, 250}, Table{2, 230}, Table{2, 220}}) {
        table.rows = (pins + table.columns - 1) / table.columns;
        if (fits(source, table, available)) return table;
    }
    refuseTable(source, available);
}

Sketch smallFace(const ConnectorSource& source, int top, int height) {
    Sketch face;
    drawFace(face, lyingDown(source.face), {Left, top - height, Right, top}, LabelHeight, true);
    return face;
}

constexpr int SmallFaceHeight = 1750;
constexpr int TableGap = 420;  // from the face's region to the table: the gender line

}  // namespace

Sketch layoutPinouts(const ConnectorSource& source) {
    Sketch sketch;
    const int faceTop = drawTitles(sketch, source, 260, 230);
    const int notesTop = Bottom + static_cast<int>(source.notes.size()) * NotePitch - NotePitch + NoteHeight + 120;
    const Table chosen = chooseTable(source, faceTop - SmallFaceHeight - TableGap - notesTop);
    // A face whose numbers crowd it grows into the room the table leaves.
    int faceHeight = SmallFaceHeight;
    Sketch face = smallFace(source, faceTop, faceHeight);
    while (!checkLabels(face).empty() && fits(source, chosen, faceTop - faceHeight - 250 - TableGap - notesTop)) {
        faceHeight += 250;
        face = smallFace(source, faceTop, faceHeight);
    }
    const int faceBottom = faceTop - faceHeight;
    sketch.setSourceLine(source.faceLine);
    sketch.append(face);
    sketch.text({0, faceBottom - 300}, 230, Align::Centre, genderLine(source), true);
    drawBottomLines(sketch, source.notes, false);

    const int tableTop = faceBottom - TableGap;
    const int pins = static_cast<int>(source.pins.size());
    // One column is centred on its widest row; two fill the width.
    int widest = 0;
    for (int i = 0; i < pins; ++i)
        widest = std::max(widest, textStart(source, chosen, i) + estimateTextWidth(source.pins[i].signal, chosen.height, false));
    const int firstLeft = chosen.columns == 1 ? -widest / 2 : Left;
    for (int i = 0; i < pins; ++i) {
        const PinRow& row = source.pins[i];
        const int column = i / chosen.rows;
        const int x = firstLeft + column * (columnWidth(chosen.columns) + ColumnGap);
        const int y = tableTop - chosen.height - (i % chosen.rows) * pitchOf(chosen.height);
        const int start = textStart(source, chosen, i);
        const int labelRight = std::max(labelColumn(source, chosen, column), estimateTextWidth(row.label, chosen.height, true));
        sketch.setSourceLine(row.line);
        sketch.text({x + labelRight, y}, chosen.height, Align::Right, row.label, true);
        sketch.text({x + start, y}, chosen.height, Align::Left, row.signal);
    }
    if (chosen.columns == 2) {
        sketch.setSourceLine(source.faceLine);
        const int middle = Left + columnWidth(2) + ColumnGap / 2;
        sketch.line({middle, tableTop}, {middle, tableTop - chosen.rows * pitchOf(chosen.height)});
    }
    return sketch;
}

}  // namespace wiring
