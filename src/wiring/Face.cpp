#include "wiring/Face.h"

#include <algorithm>
#include <cmath>

#include "wiring/DotGrid.h"
#include "wiring/LabelCheck.h"

namespace wiring {

const Contact* Face::find(const std::string& id) const {
    for (const Contact& c : contacts) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

Face Face::withoutLines() const {
    Face out = *this;
    for (Contact& c : out.contacts) c.line = 0;
    for (FaceMark& m : out.marks) m.line = 0;
    return out;
}

namespace {

constexpr int LabelGap = 70;

FaceOutline polygon(std::vector<Point> points, Fill fill, int pen = 25) {
    return {FaceOutline::Kind::Polygon, std::move(points), 0, fill, pen};
}

FaceOutline rectangle(Point a, Point b, Fill fill, int pen = 25) {
    return {FaceOutline::Kind::Rectangle, {a, b}, 0, fill, pen};
}

FaceOutline circle(Point centre, int radius, Fill fill, int pen = 25) {
    return {FaceOutline::Kind::Circle, {centre}, radius, fill, pen};
}

Contact contact(int number, Point at, Point direction, bool round = true, int width = 140, int height = 140) {
    Contact c;
    c.id = std::to_string(number);
    c.at = at;
    c.round = round;
    c.width = width;
    c.height = height;
    c.labelDirection = direction;
    return c;
}

// Marks the first and last contact of a row as row ends; the others keep rowEnd false.
void markRowEnds(std::vector<Contact>& contacts, std::size_t first, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) contacts[first + i].rowEnd = (i == 0 || i + 1 == count);
}

// Turns a face a quarter turn: clockwise, what was on top comes to the right.
Face turned(const Face& face, bool clockwise) {
    auto turn = [clockwise](Point p) { return clockwise ? Point{p.y, -p.x} : Point{-p.y, p.x}; };
    Face out = face;
    for (FaceOutline& o : out.outlines) {
        for (Point& p : o.points) p = turn(p);
    }
    for (Contact& c : out.contacts) {
        c.at = turn(c.at);
        c.labelDirection = turn(c.labelDirection);
        std::swap(c.width, c.height);
    }
    for (FaceMark& m : out.marks) m.at = turn(m.at);
    return out;
}


// A D-shaped shell around an insert: top edge at y = top with half-width topHalf, bottom likewise.
void addShell(Face& face, int top, int topHalf, int bottom, int bottomHalf, bool flange) {
    const int rim = 90;
    if (flange) {
        const int flangeHalf = topHalf + rim + 330;
        face.outlines.push_back(rectangle({-flangeHalf, bottom - rim - 150}, {flangeHalf, top + rim + 150}, Fill::White));
    }
    face.outlines.push_back(polygon({{-topHalf - rim, top + rim},
                                     {topHalf + rim, top + rim},
                                     {bottomHalf + rim, bottom - rim},
                                     {-bottomHalf - rim, bottom - rim}},
                                    Fill::Light, 40));
    face.outlines.push_back(
        polygon({{-topHalf, top}, {topHalf, top}, {bottomHalf, bottom}, {-bottomHalf, bottom}}, Fill::White));
    if (flange) {
        const int screwX = topHalf + rim + 190;
        const int middle = (top + bottom) / 2;
        face.outlines.push_back(circle({-screwX, middle}, 90, Fill::White));
        face.outlines.push_back(circle({screwX, middle}, 90, Fill::White));
    }
}

}  // namespace

Face standUp(const Face& face) {
    Face out = turned(face, true);
    out.upright = true;
    out.turnedClockwise = true;
    return out;
}

Face buildDsub(int topRow, int bottomRow) {
    // The rows stand upright, so that the numbers get the panel's height rather than its width.
    const int pitch = topRow <= 5 ? 640 : topRow <= 8 ? 480 : 330;
    // The long DB-25 is drawn smallest while its numbers keep their height: it needs more room for them.
    const bool drawnSmall = pitch <= 330;
    const int labelRoom = LabelGap + 330 + (drawnSmall ? 100 : 40);
    const int margin = 70 + labelRoom;
    const int rowGap = std::max(pitch, 560);
    Face face;
    int number = 1;
    for (int i = 0; i < topRow; ++i)
        face.contacts.push_back(contact(number++, {(2 * i - (topRow - 1)) * pitch / 2, rowGap / 2}, {0, 1}));
    for (int i = 0; i < bottomRow; ++i)
        face.contacts.push_back(contact(number++, {(2 * i - (bottomRow - 1)) * pitch / 2, -rowGap / 2}, {0, -1}));
    markRowEnds(face.contacts, 0, topRow);
    markRowEnds(face.contacts, topRow, bottomRow);
    const int endRoom = drawnSmall ? 320 : pitch * 6 / 10;
    addShell(face, rowGap / 2 + margin, (topRow - 1) * pitch / 2 + endRoom + 120, -rowGap / 2 - margin,
             (bottomRow - 1) * pitch / 2 + endRoom, true);
    face = standUp(face);
    face.legend.push_back("Drawn upright: 1 at the top");
    face.legend.push_back("of the longer row");
    return face;
}

Face buildHighDensity15() {
    const int pitch = 660;
    const int rowGap = 460;
    Face face;
    int number = 1;
    for (int i = 0; i < 5; ++i) face.contacts.push_back(contact(number++, {(i - 2) * pitch, rowGap}, {0, 1}, true, 150, 150));
    // The middle row's numbers stand on the side of their contact away from the row.
    for (int i = 0; i < 5; ++i)
        face.contacts.push_back(contact(number++, {(i - 2) * pitch - pitch / 2, 0}, {i == 4 ? 1 : -1, 0}, true, 150, 150));
    for (int i = 0; i < 5; ++i)
        face.contacts.push_back(contact(number++, {(i - 2) * pitch, -rowGap}, {0, -1}, true, 150, 150));
    for (int row = 0; row < 3; ++row) markRowEnds(face.contacts, row * 5, 5);
    const int margin = 75 + LabelGap + 330 + 100;
    // The ends leave room for the numbers of 6 and 10 beside the slanted sides.
    addShell(face, rowGap + margin, 2 * pitch + pitch / 2 + 700, -rowGap - margin, 2 * pitch + 600, true);
    face = standUp(face);
    face.legend.push_back("Drawn upright: 1-5 along");
    face.legend.push_back("the wide side");
    return face;
}

Face buildCentronics(int pins) {
    const int perRow = pins / 2;
    const int pitch = 260;
    const int half = 180;  // half the thickness of the contact bar
    Face face;
    const int barHalf = (perRow - 1) * pitch / 2 + pitch * 6 / 10;
    const int margin = 35 + LabelGap + 300 + 100;
    addShell(face, half + margin, barHalf + 320, -half - margin, barHalf + 160, false);
    face.outlines.push_back(rectangle({-barHalf, -half}, {barHalf, half}, Fill::Light));
    int number = 1;
    for (int i = 0; i < perRow; ++i)
        face.contacts.push_back(
            contact(number++, {(2 * i - (perRow - 1)) * pitch / 2, half}, {0, 1}, false, 120, 70));
    for (int i = 0; i < perRow; ++i)
        face.contacts.push_back(
            contact(number++, {(2 * i - (perRow - 1)) * pitch / 2, -half}, {0, -1}, false, 120, 70));
    markRowEnds(face.contacts, 0, perRow);
    markRowEnds(face.contacts, perRow, perRow);
    face = standUp(face);
    face.legend.push_back("1-" + std::to_string(perRow) + " one side of the bar,");
    face.legend.push_back(std::to_string(perRow + 1) + "-" + std::to_string(pins) + " the other (drawn upright)");
    return face;
}

Face buildScart() {
    const int pitch = 360;
    const int rowGap = 380;
    Face face;
    // Odd contacts in the upper row with 21 at its left end, even ones below, the cut corner bottom left.
    const int left = -5 * pitch;
    const int margin = 35 + LabelGap + 300 + 40;
    const int top = rowGap / 2 + margin;
    const int bottom = -rowGap / 2 - margin;
    const int xl = left - pitch / 2 - 150;
    const int xr = left + 10 * pitch + 200;
    face.outlines.push_back(polygon({{xl - 90, top + 90}, {xr + 90, top + 90}, {xr + 90, bottom - 90}, {xl + 360, bottom - 90}, {xl - 90, bottom + 360}},
                                    Fill::Light, 40));
    face.outlines.push_back(polygon({{xl, top}, {xr, top}, {xr, bottom}, {xl + 300, bottom}, {xl, bottom + 300}}, Fill::White));
    for (int k = 0; k <= 10; ++k) {
        const int number = 21 - 2 * k;
        face.contacts.push_back(contact(number, {left + k * pitch, rowGap / 2}, {0, 1}, false, number == 21 ? 220 : 150, 70));
    }
    for (int k = 0; k < 10; ++k) {
        const int number = 20 - 2 * k;
        face.contacts.push_back(contact(number, {left + k * pitch + pitch / 2, -rowGap / 2}, {0, -1}, false, 150, 70));
    }
    markRowEnds(face.contacts, 0, 11);
    markRowEnds(face.contacts, 11, 10);
    face = standUp(face);
    face.legend.push_back("Odd contacts one row, even the");
    face.legend.push_back("other; 21 = shield (drawn upright)");
    return face;
}

Face buildModular(int count) {
    const int pitch = 300;
    Face face;
    const int half = (count - 1) * pitch / 2 + 350;
    face.outlines.push_back(rectangle({-half, -700}, {half, 900}, Fill::Light, 40));
    face.outlines.push_back(rectangle({-300, -1050}, {300, -700}, Fill::White));
    face.marks.push_back({{0, -300}, "tab"});
    // Seen into its end with the contacts up and the tab down, a plug has contact 1 on the right.
    for (int i = 0; i < count; ++i) {
        Contact c = contact(i + 1, {(count - 1) * pitch / 2 - i * pitch, 300}, {0, 1}, false, 110, 380);
        c.rowEnd = (i == 0 || i + 1 == count);
        face.contacts.push_back(c);
    }
    return face;
}

Face buildIdc(int pins) {
    const int perRow = pins / 2;
    const int pitch = std::min(200, 3000 / (perRow - 1));
    Face face;
    const int half = (perRow - 1) * pitch / 2 + 250;
    face.outlines.push_back(rectangle({-half, -500}, {half, 500}, Fill::Light, 40));
    face.outlines.push_back(rectangle({-2 * pitch, -500}, {2 * pitch, -400}, Fill::White));
    face.marks.push_back({{0, -720}, "key"});  // under the notch, clear of the contacts
    const int x0 = -(perRow - 1) * pitch / 2;
    face.outlines.push_back(polygon({{x0 - 210, 160}, {x0 - 210, 0}, {x0 - 90, 80}}, Fill::Black));
    for (int i = 0; i < perRow; ++i) {
        Contact odd = contact(2 * i + 1, {x0 + i * pitch, 80}, {0, 1}, false, 70, 70);
        Contact even = contact(2 * i + 2, {x0 + i * pitch, -80}, {0, -1}, false, 70, 70);
        odd.labelled = odd.rowEnd = (i == 0 || i + 1 == perRow);
        even.labelled = even.rowEnd = odd.rowEnd;
        face.contacts.push_back(odd);
        face.contacts.push_back(even);
    }
    face.legend.push_back("Odd 1-" + std::to_string(pins - 1) + " one row, even 2-" + std::to_string(pins));
    face.legend.push_back("the other; pin 1 at the triangle");
    return face;
}

Face buildCardEdge(int pins) {
    const int perRow = pins / 2;
    const int pitch = 170;
    Face face;
    const int half = (perRow - 1) * pitch / 2 + 200;
    face.outlines.push_back(rectangle({-half - 200, -560}, {half + 200, 560}, Fill::Light, 40));
    face.outlines.push_back(rectangle({-half, -110}, {half, 110}, Fill::White));
    const int x0 = -(perRow - 1) * pitch / 2;
    // The key sits between the second and third contact pair (between 4 and 6).
    face.outlines.push_back(rectangle({x0 + pitch + 30, -110}, {x0 + 2 * pitch - 30, 110}, Fill::Black));
    for (int i = 0; i < perRow; ++i) {
        // The fingers reach the edges of the slot, so that their numbers stand clear of it.
        Contact even = contact(2 * i + 2, {x0 + i * pitch, 80}, {0, 1}, false, 90, 60);
        Contact odd = contact(2 * i + 1, {x0 + i * pitch, -80}, {0, -1}, false, 90, 60);
        even.labelled = even.rowEnd = (i == 0 || i + 1 == perRow);
        odd.labelled = odd.rowEnd = even.rowEnd;
        face.contacts.push_back(odd);
        face.contacts.push_back(even);
    }
    face.legend.push_back("Even 2-" + std::to_string(pins) + " one side, odd 1-" + std::to_string(pins - 1));
    face.legend.push_back("the other; key between 4 and 6");
    return face;
}

Face mirrored(const Face& face) {
    Face out = face;
    for (FaceOutline& o : out.outlines) {
        for (Point& p : o.points) p.x = -p.x;
    }
    for (Contact& c : out.contacts) {
        c.at.x = -c.at.x;
        c.labelDirection.x = -c.labelDirection.x;
    }
    for (FaceMark& m : out.marks) m.at.x = -m.at.x;
    out.gender = face.gender == Gender::Male ? Gender::Female : Gender::Male;
    out.turnedClockwise = !face.turnedClockwise;
    return out;
}

Face lyingDown(const Face& face) {
    if (!face.upright) return face;
    Face out = turned(face, !face.turnedClockwise);
    out.upright = false;
    return out;
}

Box faceExtent(const Face& face) {
    Box box{0, 0, 0, 0};
    bool first = true;
    auto add = [&](int left, int bottom, int right, int top) {
        if (first) {
            box = {left, bottom, right, top};
            first = false;
            return;
        }
        box.left = std::min(box.left, left);
        box.bottom = std::min(box.bottom, bottom);
        box.right = std::max(box.right, right);
        box.top = std::max(box.top, top);
    };
    for (const FaceOutline& o : face.outlines) {
        if (o.kind == FaceOutline::Kind::Circle) {
            add(o.points[0].x - o.size, o.points[0].y - o.size, o.points[0].x + o.size, o.points[0].y + o.size);
            continue;
        }
        for (const Point& p : o.points) add(p.x, p.y, p.x, p.y);
    }
    for (const Contact& c : face.contacts)
        add(c.at.x - c.width / 2, c.at.y - c.height / 2, c.at.x + c.width / 2, c.at.y + c.height / 2);
    return box;
}

namespace {

struct Placement {
    double scale;
    Point from;  // centre of the face's own extent
    Point to;    // where that centre lands

    Point map(Point p) const {
        return {to.x + static_cast<int>(std::lround((p.x - from.x) * scale)),
                to.y + static_cast<int>(std::lround((p.y - from.y) * scale))};
    }
    int length(int n) const { return std::max(1, static_cast<int>(std::lround(n * scale))); }
};

void drawLabel(Sketch& sketch, Point centre, int halfWidth, int halfHeight, Point direction, int height,
               const std::string& text, int gap = LabelGap) {
    const int cap = height * 72 / 100;
    Align align = Align::Centre;
    int x = centre.x;
    if (direction.x > 0) {
        align = Align::Left;
        x = centre.x + halfWidth + gap;
    } else if (direction.x < 0) {
        align = Align::Right;
        x = centre.x - halfWidth - gap;
    }
    int y = centre.y - cap / 2;
    if (direction.y > 0) y = centre.y + halfHeight + gap;
    if (direction.y < 0) y = centre.y - halfHeight - gap - cap;
    sketch.text({x, y}, height, align, text);
}

// Whether the contact gets its number: with rowEndsOnly only the row ends; otherwise every
// labelled contact, or, in a face built by rule that thins its numbers to every `step` columns,
// the row ends and those columns.
bool numbered(const Contact& c, bool rowEndsOnly, int step) {
    if (!c.labelled) return false;
    if (rowEndsOnly) return c.rowEnd;
    return step <= 1 || c.rowEnd || c.gridColumn % step == 0;
}

void drawAt(Sketch& sketch, const Face& face, const Placement& at, int labelHeight, bool rowEndsOnly, int step = 1) {
    for (const FaceOutline& o : face.outlines) {
        sketch.setSourceLine(o.line);  // a built face's take the face line when appended
        sketch.setPen(o.pen);
        sketch.setFill(o.fill);
        switch (o.kind) {
            case FaceOutline::Kind::Circle: sketch.circle(at.map(o.points[0]), at.length(o.size)); break;
            case FaceOutline::Kind::Rectangle: sketch.rectangle(at.map(o.points[0]), at.map(o.points[1])); break;
            case FaceOutline::Kind::RoundRect:
                sketch.roundRect(at.map(o.points[0]), at.map(o.points[1]), at.length(o.size));
                break;
            case FaceOutline::Kind::Polygon:
            case FaceOutline::Kind::Polyline: {
                std::vector<Point> points;
                for (const Point& p : o.points) points.push_back(at.map(p));
                if (o.kind == FaceOutline::Kind::Polygon)
                    sketch.polygon(points);
                else
                    sketch.polyline(points);
                break;
            }
        }
    }
    sketch.setPen(25);
    sketch.setFill(face.gender == Gender::Male ? Fill::Black : Fill::White);
    for (const Contact& c : face.contacts) {
        const Point centre = at.map(c.at);
        const int halfWidth = std::max(35, at.length(c.width) / 2);
        const int halfHeight = std::max(35, at.length(c.height) / 2);
        sketch.setSourceLine(c.line);
        if (c.round)
            sketch.ellipse(centre, halfWidth, halfHeight);
        else
            sketch.rectangle({centre.x - halfWidth, centre.y - halfHeight}, {centre.x + halfWidth, centre.y + halfHeight});
        sketch.markContact("contact " + c.id);
    }
    for (const Contact& c : face.contacts) {
        if (!numbered(c, rowEndsOnly, step)) continue;
        const int halfWidth = std::max(35, at.length(c.width) / 2);
        const int halfHeight = std::max(35, at.length(c.height) / 2);
        sketch.setSourceLine(c.line);
        drawLabel(sketch, at.map(c.at), halfWidth, halfHeight, c.labelDirection, labelHeight, c.id, face.labelGap);
    }
    for (const FaceMark& m : face.marks) {
        sketch.setSourceLine(m.line);
        drawLabel(sketch, at.map(m.at), 0, 0, {0, 0}, labelHeight, m.text);
    }
}

Box sketchExtent(const Sketch& sketch) {
    Box box = shapeBox(sketch.shapes().front());
    for (const Shape& s : sketch.shapes()) {
        Box b = shapeBox(s);
        box.left = std::min(box.left, b.left);
        box.bottom = std::min(box.bottom, b.bottom);
        box.right = std::max(box.right, b.right);
        box.top = std::max(box.top, b.top);
    }
    return box;
}

}  // namespace

void drawFace(Sketch& sketch, const Face& face, Box region, int labelHeight, bool rowEndsOnly) {
    const Box extent = faceExtent(face);
    const Point from{(extent.left + extent.right) / 2, (extent.bottom + extent.top) / 2};
    const Point to{(region.left + region.right) / 2, (region.bottom + region.top) / 2};
    // Grow the face to at most 1.8 times, then shrink it step by step until it fits with its
    // numbers; the numbers keep their height.
    // Scales at which the face alone overflows the region cannot hold it with its numbers: they
    // are passed over without drawing (a long face would otherwise be drawn forty times).
    const double roomScale = std::min(double(region.right - region.left) / std::max(1, extent.right - extent.left),
                                      double(region.top - region.bottom) / std::max(1, extent.top - extent.bottom));
    Sketch trial;
    for (double scale = 1.8; scale > 0.05; scale *= 0.95) {
        if (scale > roomScale * 1.02 && scale * 0.95 > 0.05) continue;
        trial = Sketch();
        Placement at{scale, from, to};
        drawAt(trial, face, at, labelHeight, rowEndsOnly);
        Box box = sketchExtent(trial);
        // Centre what was drawn, numbers included, in the region.
        const int dx = (region.left + region.right) / 2 - (box.left + box.right) / 2;
        const int dy = (region.bottom + region.top) / 2 - (box.bottom + box.top) / 2;
        if (box.right - box.left <= region.right - region.left && box.top - box.bottom <= region.top - region.bottom) {
            const Placement centred{scale, from, {to.x + dx, to.y + dy}};
            trial = Sketch();
            drawAt(trial, face, centred, labelHeight, rowEndsOnly);
            // Fewer numbers take no more room, so the face still fits. They must be readable on
            // the smallest panel too, where every point lands on a pixel.
            const bool thin = face.thinsNumbers && !rowEndsOnly;
            for (int step : {2, 5, 10}) {
                if (!thin || (checkLabels(trial).empty() && checkLabels(onDots(trial, SmallestPanelUnitsPerDot)).empty()))
                    break;
                trial = Sketch();
                drawAt(trial, face, centred, labelHeight, rowEndsOnly, step);
            }
            break;
        }
    }
    sketch.append(trial);
}

}  // namespace wiring
