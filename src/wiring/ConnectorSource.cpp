#include "wiring/ConnectorSource.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "wiring/RuleFaces.h"
#include "wiring/SketchSource.h"
#include "datafiles/ThreeDigits.h"

namespace wiring {

namespace {

bool isNumber(const std::string& s) {
    return !s.empty() && s.size() < 6 && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

Point parseDirection(const SourceLine& line, std::size_t index, bool& labelled) {
    const std::string& w = line.word(index);
    labelled = true;
    if (w == "up") return {0, 1};
    if (w == "down") return {0, -1};
    if (w == "left") return {-1, 0};
    if (w == "right") return {1, 0};
    if (w == "upleft") return {-1, 1};
    if (w == "upright") return {1, 1};
    if (w == "downleft") return {-1, -1};
    if (w == "downright") return {1, -1};
    if (w == "inside") return {0, 0};
    if (w == "none") {
        labelled = false;
        return {0, 1};
    }
    line.fail("unknown label place '" + w + "' (up, down, left, right, upleft, upright, downleft, downright, inside, none)");
}

std::vector<Point> parsePoints(const SourceLine& line, std::size_t from, std::size_t least) {
    if ((line.size() - from) % 2 != 0) line.fail("points need an x and a y each");
    std::vector<Point> points;
    for (std::size_t i = from; i + 1 < line.size(); i += 2) points.push_back({line.integer(i), line.integer(i + 1)});
    if (points.size() < least) line.fail("needs at least " + std::to_string(least) + " points");
    return points;
}

void expectCount(const SourceLine& line, std::size_t count) {
    if (line.size() != count) line.fail("'" + line.word(0) + "' takes " + std::to_string(count - 1) + " values here");
}

Face builtFace(const SourceLine& line, const PlugLookup& plugs, bool& custom, bool& fromPlug, Gender& plugGender) {
    const std::string& family = line.word(1);
    custom = false;
    fromPlug = false;
    if (family == "custom") {
        expectCount(line, 2);
        custom = true;
        return Face();
    }
    if (family == "dsub") {
        expectCount(line, 4);
        const int top = line.integer(2);
        const int bottom = line.integer(3);
        if (top < 2 || top > 20 || bottom < 1 || bottom > top || top - bottom > 1)
            line.fail("a D-sub has two rows of n and n-1 contacts");
        return buildDsub(top, bottom);
    }
    if (family == "hd15") {
        expectCount(line, 2);
        return buildHighDensity15();
    }
    if (family == "scart") {
        expectCount(line, 2);
        return buildScart();
    }
    if (family == "centronics" || family == "idc" || family == "edge" || family == "modular") {
        expectCount(line, 3);
        const int count = line.integer(2);
        if (family == "modular") {
            if (count < 2 || count > 10) line.fail("a modular connector has 2 to 10 contacts");
            return buildModular(count);
        }
        if (count < 4 || count > 80 || count % 2 != 0) line.fail("'" + family + "' needs an even contact count, 4 to 80");
        if (family == "centronics") return buildCentronics(count);
        if (family == "idc") return buildIdc(count);
        return buildCardEdge(count);
    }
    if (family == "row" || family == "ends") {
        if (line.size() != 3 && !(family == "row" && line.size() == 4))
            line.fail(family == "row" ? "'face row' takes the contact count and, if wanted, the first number: face row 4"
                                      : "'face ends' takes the number of wire ends: face ends 6");
        const int count = line.integer(2);
        if (count < 1 || count > MaxRowContacts)
            line.fail("'face " + family + "' takes 1 to " + std::to_string(MaxRowContacts) + " contacts, not " +
                      std::to_string(count));
        if (family == "ends") return buildEnds(count);
        const int first = line.size() == 4 ? line.integer(3) : 1;
        if (first < 0 || first + count - 1 > 999) line.fail("the contacts of a row are numbered 0 to 999");
        return buildRow(count, first);
    }
    if (family == "grid") {
        if (line.size() < 4) line.fail("'face grid' takes rows, columns and, if wanted, a letter for each row: face grid 3 16 z b d");
        const int rows = line.integer(2);
        const int columns = line.integer(3);
        if (rows < 2 || rows > MaxGridRows)
            line.fail("a grid has 2 to " + std::to_string(MaxGridRows) + " rows, not " + std::to_string(rows) +
                      " (one row is 'face row')");
        if (columns < 1 || rows * columns > MaxGridContacts)
            line.fail(std::to_string(rows) + " rows of " + std::to_string(columns) + " make " +
                      std::to_string(rows * columns) + " contacts; a grid takes 1 to " + std::to_string(MaxGridContacts));
        std::vector<std::string> letters;
        for (std::size_t i = 4; i < line.size(); ++i) {
            const std::string& letter = line.word(i);
            if (letter.size() > 2 || !std::all_of(letter.begin(), letter.end(), [](unsigned char c) { return std::isalpha(c); }))
                line.fail("a row's letter is one or two letters, not '" + letter + "'");
            if (std::find(letters.begin(), letters.end(), letter) != letters.end())
                line.fail("row letter '" + letter + "' is given twice");
            letters.push_back(letter);
        }
        if (!letters.empty() && static_cast<int>(letters.size()) != rows)
            line.fail("a grid of " + std::to_string(rows) + " rows takes " + std::to_string(rows) + " row letters, not " +
                      std::to_string(letters.size()));
        return buildGrid(rows, columns, letters);
    }
    if (family == "plug") {
        expectCount(line, 3);
        const int number = line.integer(2);
        const ConnectorSource* plug = plugs ? plugs(number) : nullptr;
        if (!plug) line.fail("unknown connector " + std::to_string(number) + ": there is no plug-" + ThreeDigits(number) + ".txt");
        fromPlug = true;
        plugGender = plug->gender;
        return plug->face.withoutLines();
    }
    line.fail("unknown face '" + family + "' (row, grid, ends, dsub, hd15, centronics, scart, modular, idc, edge, custom, plug)");
}

}  // namespace

std::vector<std::string> expandPinList(const std::string& list, const SourceLine& line) {
    std::vector<std::string> ids;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        if (comma == std::string::npos) comma = list.size();
        const std::string item = list.substr(start, comma - start);
        start = comma + 1;
        if (item.empty()) line.fail("empty item in the pin list '" + list + "'");
        std::size_t dots = item.find("..");
        std::size_t dash = item.find('-');
        if (dots != std::string::npos || (dash != std::string::npos && dash > 0)) {
            const bool everySecond = dots != std::string::npos;
            const std::size_t cut = everySecond ? dots : dash;
            const std::string from = item.substr(0, cut);
            const std::string to = item.substr(cut + (everySecond ? 2 : 1));
            if (!isNumber(from) || !isNumber(to) || std::stoi(to) <= std::stoi(from))
                line.fail("'" + item + "' is not a rising range of contact numbers");
            if (everySecond && (std::stoi(to) - std::stoi(from)) % 2 != 0)
                line.fail("'" + item + "' must start and end on the same parity");
            for (int n = std::stoi(from); n <= std::stoi(to); n += everySecond ? 2 : 1) ids.push_back(std::to_string(n));
        } else {
            ids.push_back(item);
        }
    }
    return ids;
}

namespace {

std::string pinLabel(const std::string& list) {
    std::string label;
    bool stepped = false;
    int firstNumber = -1;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list.compare(i, 2, "..") == 0) {
            label += '-';
            stepped = true;
            ++i;
            continue;
        }
        if (firstNumber < 0 && std::isdigit(static_cast<unsigned char>(list[i]))) firstNumber = std::atoi(list.c_str() + i);
        label += list[i] == ',' ? std::string(", ") : std::string(1, list[i]);
    }
    if (stepped) label += firstNumber % 2 == 1 ? " odd" : " even";
    return label;
}

Contact parseContact(const SourceLine& line) {
    Contact c;
    c.id = line.word(1);
    const std::string& shape = line.word(2);
    bool labelled = true;
    if (shape == "round") {
        expectCount(line, 7);
        c.round = true;
        c.width = c.height = line.integer(5);
        c.labelDirection = parseDirection(line, 6, labelled);
    } else if (shape == "rect") {
        expectCount(line, 8);
        c.round = false;
        c.width = line.integer(5);
        c.height = line.integer(6);
        c.labelDirection = parseDirection(line, 7, labelled);
    } else {
        line.fail("unknown contact shape '" + shape + "' (round or rect)");
    }
    c.at = {line.integer(3), line.integer(4)};
    if (c.width <= 0 || c.height <= 0) line.fail("a contact needs a positive size");
    c.labelled = labelled;
    c.rowEnd = labelled;
    c.line = line.number();
    return c;
}

FaceOutline parseOutline(const SourceLine& line) {
    const std::string& shape = line.word(1);
    FaceOutline o{FaceOutline::Kind::Polygon, {}, 0, parseFill(line, 2), 25, line.number()};
    if (shape == "circle") {
        expectCount(line, 6);
        o.kind = FaceOutline::Kind::Circle;
        o.points = {{line.integer(3), line.integer(4)}};
        o.size = line.integer(5);
    } else if (shape == "rect") {
        expectCount(line, 7);
        o.kind = FaceOutline::Kind::Rectangle;
        o.points = parsePoints(line, 3, 2);
    } else if (shape == "roundrect") {
        expectCount(line, 8);
        o.kind = FaceOutline::Kind::RoundRect;
        o.points = {{line.integer(3), line.integer(4)}, {line.integer(5), line.integer(6)}};
        o.size = line.integer(7);
    } else if (shape == "polygon") {
        o.points = parsePoints(line, 3, 3);
    } else if (shape == "line") {
        o.kind = FaceOutline::Kind::Polyline;
        o.points = parsePoints(line, 3, 2);
    } else {
        line.fail("unknown outline '" + shape + "' (circle, rect, roundrect, polygon, line)");
    }
    return o;
}

}  // namespace

SignalAlias parseAlias(const SourceLine& line) {
    if (line.size() < 4 || line.word(2) != "=")
        line.fail("'alias' takes a name, '=' and the pinout text it stands for: alias A-GND = Audio GND");
    return {line.word(1), line.rest(3), line.number()};
}

ConnectorSource parseConnector(const std::vector<SourceLine>& lines, ConnectorKind kind, int number,
                               const std::string& file, const PlugLookup& plugs) {
    ConnectorSource source;
    source.kind = kind;
    source.number = number;
    source.file = file;
    bool haveFace = false;
    bool custom = false;
    bool fromPlug = false;
    bool haveGender = false;
    Gender plugGender = Gender::Male;
    std::set<std::string> listed;
    for (const SourceLine& line : lines) {
        const std::string& key = line.word(0);
        if (key == "title") {
            if (source.titles.size() == 2) line.fail("at most two title lines");
            source.titles.push_back({line.rest(1), line.number()});
        } else if (key == "group") {
            if (kind != ConnectorKind::Plug) line.fail("'group' lines belong in connector drawings");
            if (!source.group.text.empty()) line.fail("group given twice");
            if (line.size() < 2) line.fail("group needs a name");
            source.group = {line.rest(1), line.number()};
        } else if (key == "gender") {
            expectCount(line, 2);
            if (source.looseEnds) line.fail("loose ends have no gender: leave out the 'gender' line");
            if (haveGender) line.fail("gender given twice");
            if (line.word(1) == "male") source.gender = Gender::Male;
            else if (line.word(1) == "female") source.gender = Gender::Female;
            else line.fail("gender is 'male' or 'female'");
            haveGender = true;
        } else if (key == "view") {
            expectCount(line, 2);
            if (line.word(1) == "side") source.sideView = true;
            else if (line.word(1) == "symbol") source.symbolic = true;
            else if (line.word(1) != "mating") line.fail("view is 'mating', 'side' or 'symbol'");
        } else if (key == "face") {
            if (haveFace) line.fail("face given twice");
            source.face = builtFace(line, plugs, custom, fromPlug, plugGender);
            source.faceLine = line.number();
            const std::string& family = line.word(1);
            source.metalShell = family == "dsub" || family == "hd15" || family == "centronics";
            source.looseEnds = family == "ends" || (fromPlug && plugs(line.integer(2))->looseEnds);
            if (source.looseEnds && haveGender) line.fail("loose ends have no gender: leave out the 'gender' line");
            if (fromPlug) source.plugNumber = line.integer(2);
            haveFace = true;
        } else if (key == "outline" || key == "contact" || key == "mark") {
            if (!custom) line.fail("'" + key + "' belongs to a 'face custom' drawing, after the face line");
            if (key == "outline") {
                source.face.outlines.push_back(parseOutline(line));
            } else if (key == "mark") {
                source.face.marks.push_back({{line.integer(1), line.integer(2)}, line.rest(3), line.number()});
            } else {
                Contact c = parseContact(line);
                if (source.face.find(c.id)) line.fail("contact " + c.id + " is given twice");
                source.face.contacts.push_back(c);
            }
        } else if (key == "part") {
            if (kind != ConnectorKind::Plug) line.fail("'part' lines belong in connector drawings");
            if (line.size() < 2) line.fail("'part' takes what is bought: part JST XHP-4 housing");
            source.parts.push_back({line.rest(1), line.number()});
        } else if (key == "note") {
            source.notes.push_back({line.rest(1), line.number()});
        } else if (key == "alias") {
            if (kind != ConnectorKind::Pinouts) line.fail("'alias' lines belong in pinout drawings");
            source.aliases.push_back(parseAlias(line));
        } else if (key == "pin") {
            if (kind != ConnectorKind::Pinouts) line.fail("'pin' lines belong in pinout drawings");
            if (!haveFace) line.fail("'pin' before the face line");
            PinRow row;
            row.ids = expandPinList(line.word(1), line);
            row.label = pinLabel(line.word(1));
            row.signal = line.rest(2);
            row.line = line.number();
            for (const std::string& id : row.ids) {
                if (!source.face.find(id))
                    line.fail("contact " + id + " does not exist on this connector");
                if (!listed.insert(id).second) line.fail("contact " + id + " is listed twice");
            }
            source.pins.push_back(row);
        } else {
            line.fail("unknown keyword '" + key + "'");
        }
    }
    if (source.titles.empty()) throw DataError(file, 1, "no title line");
    if (!haveFace) throw DataError(file, 1, "no face line");
    if (!haveGender && fromPlug) source.gender = plugGender;
    if (!haveGender && !fromPlug && !source.looseEnds) throw DataError(file, 1, "no gender line");
    if (source.face.contacts.empty()) throw DataError(file, 1, "the face has no contacts");
    if (kind == ConnectorKind::Pinouts && source.pins.empty()) throw DataError(file, 1, "a pinout drawing needs pin lines");
    // Built faces come as the male face; a face taken from a plug comes as that plug drew it.
    if (custom) {
        source.face.gender = source.gender;
    } else {
        const Gender drawn = fromPlug ? plugGender : Gender::Male;
        source.face.gender = drawn;
        if (drawn != source.gender) source.face = mirrored(source.face);
    }
    return source;
}

}  // namespace wiring
