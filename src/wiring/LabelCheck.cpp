#include "wiring/LabelCheck.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace wiring {

namespace {

// About a pixel of the smallest panel (640 x 480): small text comes out a little larger on screen.
constexpr int Clearance = 30;

bool overlaps(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

bool inside(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.bottom >= outer.bottom &&
           inner.top <= outer.top;
}

Box grown(const Box& b, int by) { return {b.left - by, b.bottom - by, b.right + by, b.top + by}; }

// The box's nearest and farthest points from an ellipse's centre, measured in its radii:
// below 1 is inside the ellipse.
std::pair<double, double> radialSpan(const Box& box, const Shape& ellipse, int pen) {
    const Point a = ellipse.points[0];
    const Point b = ellipse.points[1];
    const double cx = (a.x + b.x) / 2.0;
    const double cy = (a.y + b.y) / 2.0;
    const double rx = std::abs(b.x - a.x) / 2.0 + pen;
    const double ry = std::abs(b.y - a.y) / 2.0 + pen;
    auto measure = [&](double x, double y) { return std::hypot((x - cx) / rx, (y - cy) / ry); };
    const double nearest = measure(std::clamp(cx, double(box.left), double(box.right)),
                                   std::clamp(cy, double(box.bottom), double(box.top)));
    double farthest = 0;
    for (int x : {box.left, box.right}) {
        for (int y : {box.bottom, box.top}) farthest = std::max(farthest, measure(x, y));
    }
    return {nearest, farthest};
}

// Whether the segment from p to q passes through the box (clipped against each side in turn).
bool segmentMeetsBox(Point p, Point q, const Box& box) {
    double from = 0;
    double to = 1;
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double steps[4] = {-dx, dx, -dy, dy};
    const double room[4] = {double(p.x - box.left), double(box.right - p.x), double(p.y - box.bottom),
                            double(box.top - p.y)};
    for (int i = 0; i < 4; ++i) {
        if (steps[i] == 0) {
            if (room[i] <= 0) return false;
            continue;
        }
        const double t = room[i] / steps[i];
        if (steps[i] < 0) from = std::max(from, t);
        else to = std::min(to, t);
        if (from >= to) return false;
    }
    return true;
}

std::vector<Point> edgesOf(const Shape& shape) {
    if (shape.kind == Shape::Kind::Polyline) return shape.points;
    if (shape.kind == Shape::Kind::Polygon) {
        std::vector<Point> closed = shape.points;
        closed.push_back(shape.points.front());
        return closed;
    }
    const Point a = shape.points[0];
    const Point b = shape.points[1];
    return {a, {b.x, a.y}, b, {a.x, b.y}, a};
}

// Whether a line of the shape (its outline, not its filled inside) runs through the box.
bool strokeCrosses(const Shape& shape, const Box& box) {
    const int half = (shape.pen.width + 1) / 2;
    if (shape.pen.width == 0 && shape.kind != Shape::Kind::Polyline) return false;
    if (shape.kind == Shape::Kind::Ellipse) {
        const auto [nearest, farthest] = radialSpan(box, shape, half);
        return nearest < 1 && farthest > 1;
    }
    const Box wide = grown(box, half);
    const std::vector<Point> points = edgesOf(shape);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        if (segmentMeetsBox(points[i], points[i + 1], wide)) return true;
    }
    return false;
}

// A label may stand in an open contact that holds it whole; anywhere else on a contact it is lost.
bool coversContact(const Shape& contact, const Box& label) {
    const Box area = shapeBox(contact);
    if (!overlaps(area, label)) return false;
    const bool open = contact.fill == Fill::White || contact.fill == Fill::None;
    if (contact.kind == Shape::Kind::Ellipse) {
        const auto [nearest, farthest] = radialSpan(label, contact, 0);
        return nearest < 1 && !(open && farthest <= 1);
    }
    return !(open && inside(label, area));
}

// Code page 1252 characters that reach below the baseline: a cedilla, a tail, a low quote.
bool descends(unsigned char c) {
    return c != 0 && std::strchr("gjpqyQ,;()[]{}/|@$_\x82\x83\x84\xA6\xA7\xB5\xB6\xB8\xBF\xC7\xE7\xFD\xFE\xFF", c) != nullptr;
}

// Capitals with an accent or a ring above (code page 1252's 0xC0 to 0xDD but for the plain ones,
// and 0x8A, 0x8E, 0x9F): they reach above the other capitals. A small letter's accent stays within
// a capital's height, as do the degree sign, the superscripts and the plus-minus sign.
bool reachesAboveCapitals(unsigned char c) {
    return (c >= 0xC0 && c <= 0xDD && c != 0xC6 && c != 0xC7 && c != 0xD0 && c != 0xD7 && c != 0xD8) ||
           c == 0x8A || c == 0x8E || c == 0x9F;
}

// Where a text puts ink, with the clearance around it: as wide as the envelope measures it, but
// only as deep as its glyphs reach (a "4" has no descender, an accented capital reaches above the
// others).
Box inkBox(const Shape& text) {
    Box box = shapeBox(text);
    const Point origin = text.points.front();
    const std::string& t = text.text;
    const auto any = [&t](bool (*reaches)(unsigned char)) {
        return std::any_of(t.begin(), t.end(), [reaches](char c) { return reaches(static_cast<unsigned char>(c)); });
    };
    box.bottom = any(descends) ? box.bottom : origin.y - (text.textHeight * 2 + 99) / 100;
    box.top = any(reachesAboveCapitals) ? box.top : origin.y + (text.textHeight * 80 + 99) / 100;
    return grown(box, Clearance);
}

std::string quoted(const Shape& text) { return "\"" + text.text + "\""; }

std::string lineOf(const Shape& other, const Shape& text) {
    return other.sourceLine == text.sourceLine ? "" : " (line " + std::to_string(other.sourceLine) + ")";
}

// Why the text cannot be read, the worst first: another label on it, then a contact, then a line.
std::string whyUnreadable(const std::vector<Shape>& shapes, std::size_t index, const Box& box) {
    const Shape& text = shapes[index];
    for (std::size_t j = 0; j < index; ++j) {
        if (shapes[j].kind == Shape::Kind::Text && overlaps(box, grown(inkBox(shapes[j]), -Clearance)))
            return "overlaps the label " + quoted(shapes[j]) + lineOf(shapes[j], text);
    }
    for (const Shape& other : shapes) {
        if (!other.contact.empty() && coversContact(other, box)) return "lies on " + other.contact + lineOf(other, text);
    }
    for (const Shape& other : shapes) {
        if (other.kind != Shape::Kind::Text && other.contact.empty() && strokeCrosses(other, box))
            return "is crossed by a line" + lineOf(other, text);
    }
    return "";
}

}  // namespace

std::vector<LabelFault> checkLabels(const Sketch& sketch) {
    const std::vector<Shape>& shapes = sketch.shapes();
    std::vector<LabelFault> faults;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (shapes[i].kind != Shape::Kind::Text) continue;
        const std::string why = whyUnreadable(shapes, i, inkBox(shapes[i]));
        if (!why.empty())
            faults.push_back({shapes[i].sourceLine, "the label " + quoted(shapes[i]) + " " + why + "; it cannot be read"});
    }
    return faults;
}

}  // namespace wiring
