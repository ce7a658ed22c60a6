#include "wiring/Sketch.h"

#include <algorithm>
#include <cstdlib>

namespace wiring {

namespace {

Shape makeShape(Shape::Kind kind, std::vector<Point> points) {
    Shape shape;
    shape.kind = kind;
    shape.points = std::move(points);
    return shape;
}

}  // namespace

void Sketch::add(Shape shape) {
    shape.sourceLine = sourceLine;
    items.push_back(std::move(shape));
}

void Sketch::append(const Sketch& other) {
    for (const Shape& shape : other.items) {
        items.push_back(shape);
        if (items.back().sourceLine == 0) items.back().sourceLine = sourceLine;
    }
}

void Sketch::markContact(const std::string& name) {
    if (!items.empty()) items.back().contact = name;
}

void Sketch::line(Point from, Point to) { polyline({from, to}); }

void Sketch::polyline(const std::vector<Point>& points) {
    Shape shape = makeShape(Shape::Kind::Polyline, points);
    shape.pen = pen;
    add(shape);
}

void Sketch::polygon(const std::vector<Point>& points) {
    Shape shape = makeShape(Shape::Kind::Polygon, points);
    shape.pen = pen;
    shape.fill = fill;
    add(shape);
}

void Sketch::rectangle(Point a, Point b) {
    Shape shape = makeShape(Shape::Kind::Rectangle, {a, b});
    shape.pen = pen;
    shape.fill = fill;
    add(shape);
}

void Sketch::ellipse(Point centre, int radiusX, int radiusY) {
    Shape shape = makeShape(Shape::Kind::Ellipse,
                {{centre.x - radiusX, centre.y - radiusY}, {centre.x + radiusX, centre.y + radiusY}});
    shape.pen = pen;
    shape.fill = fill;
    add(shape);
}

void Sketch::roundRect(Point a, Point b, int corner) {
    Shape shape = makeShape(Shape::Kind::RoundRect, {a, b});
    shape.corner = corner;
    shape.pen = pen;
    shape.fill = fill;
    add(shape);
}

void Sketch::text(Point origin, int height, Align align, const std::string& words, bool bold) {
    Shape shape = makeShape(Shape::Kind::Text, {origin});
    shape.text = words;
    shape.textHeight = height;
    shape.bold = bold;
    shape.align = align;
    add(shape);
}

namespace {

// Advance widths in thousandths of the character height, rounded up from Arial's own.
int charWidth(unsigned char c) {
    if (c == ' ') return 280;
    if (c == 'i' || c == 'l' || c == 'j' || c == '.' || c == ',' || c == ':' || c == ';' || c == '\'' ||
        c == '!' || c == '|')
        return 290;
    if (c == 'f' || c == 't' || c == 'r' || c == 'I' || c == '(' || c == ')' || c == '[' || c == ']' ||
        c == '/' || c == '\\' || c == '-' || c == '"')
        return 400;
    if (c == 'm' || c == 'M' || c == 'W' || c == 'w' || c == '%' || c == '@') return 950;
    if (c == 'G' || c == 'O' || c == 'Q') return 780;
    if (c >= 'A' && c <= 'Z') return 740;
    if (c >= '0' && c <= '9') return 560;
    if (c >= 'a' && c <= 'z') return 560;
    return 620;
}

}  // namespace

int estimateTextWidth(const std::string& text, int height, bool bold) {
    long total = 0;
    for (unsigned char c : text) total += charWidth(c);
    if (bold) total = total * 110 / 100;
    return static_cast<int>((total * std::abs(height) + 999) / 1000);
}

int charactersThatFit(const std::string& text, int height, bool bold, int room) {
    int fit = 0;
    while (fit < static_cast<int>(text.size()) && estimateTextWidth(text.substr(0, fit + 1), height, bold) <= room) ++fit;
    return fit;
}

std::string tooManyCharacters(const std::string& named, const std::string& text, int fit, const std::string& where) {
    return (named.empty() ? "" : named + " ") + "'" + text + "' has " + std::to_string(text.size()) + " characters; " +
           std::to_string(fit) + " fit " + where;
}

int charactersThatFit(const Shape& text, int left, int right) {
    const int x = text.points.front().x;
    int room = right - x;
    if (text.align == Align::Right) room = x - left;
    if (text.align == Align::Centre) room = 2 * std::min(x - left, right - x);
    return charactersThatFit(text.text, text.textHeight, text.bold, room);
}

Box shapeBox(const Shape& shape) {
    if (shape.kind == Shape::Kind::Text) {
        const Point o = shape.points.front();
        const int width = estimateTextWidth(shape.text, shape.textHeight, shape.bold);
        int left = o.x;
        if (shape.align == Align::Centre) left = o.x - (width + 1) / 2;
        if (shape.align == Align::Right) left = o.x - width;
        // Arial reaches 0.91 of the height above the baseline and 0.22 below it.
        return {left, o.y - (shape.textHeight * 22 + 99) / 100, left + width, o.y + (shape.textHeight * 91 + 99) / 100};
    }
    Box box{shape.points.front().x, shape.points.front().y, shape.points.front().x, shape.points.front().y};
    for (const Point& p : shape.points) {
        box.left = std::min(box.left, p.x);
        box.right = std::max(box.right, p.x);
        box.bottom = std::min(box.bottom, p.y);
        box.top = std::max(box.top, p.y);
    }
    const int half = (shape.pen.width + 1) / 2;
    return {box.left - half, box.bottom - half, box.right + half, box.top + half};
}

}  // namespace wiring
