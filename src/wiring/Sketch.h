#pragma once
// A drawing in drawing units (0.01 mm on paper, y up) before it becomes a metafile:
// outlines, filled shapes and text, each with its own pen, fill and font.

#include <cstdint>
#include <string>
#include <vector>

namespace wiring {

struct Point {
    int x;
    int y;
};

struct Box {
    int left;
    int bottom;
    int right;
    int top;
};

enum class Fill { None, White, Light, Grey, Black };
enum class Align { Left, Centre, Right };

struct Pen {
    int width = 25;   // drawing units; 0 draws no outline
    bool operator==(const Pen& other) const { return width == other.width; }
};

struct Shape {
    enum class Kind { Polyline, Polygon, Rectangle, Ellipse, RoundRect, Text };
    Kind kind = Kind::Polyline;
    std::vector<Point> points;  // polyline and polygon; two corners for the others; text origin
    int corner = 0;             // round rectangle corner diameter
    Pen pen;
    Fill fill = Fill::None;
    std::string text;           // single-byte (code page 1252)
    int textHeight = 0;         // character height in drawing units
    bool bold = false;
    Align align = Align::Left;  // horizontal; the text sits on its baseline at the origin
    int sourceLine = 0;         // the source line that asked for it, for error messages
    std::string contact;        // what a contact's shape stands for ("contact 4"); empty for other shapes
};

class Sketch {
public:
    void setPen(int width) { pen.width = width; }
    void setFill(Fill newFill) { fill = newFill; }
    // Shapes added from now on remember this source line.
    void setSourceLine(int line) { sourceLine = line; }

    void line(Point from, Point to);
    void polyline(const std::vector<Point>& points);
    void polygon(const std::vector<Point>& points);
    void rectangle(Point a, Point b);
    void ellipse(Point centre, int radiusX, int radiusY);
    void circle(Point centre, int radius) { ellipse(centre, radius, radius); }
    void roundRect(Point a, Point b, int corner);
    void text(Point origin, int height, Align align, const std::string& text, bool bold = false);

    // Adds the other sketch's shapes; those without a source line of their own take this one's.
    void append(const Sketch& other);
    // The shape added last is a contact (or a wire's end), named as messages name it.
    void markContact(const std::string& name);

    const std::vector<Shape>& shapes() const { return items; }
    bool empty() const { return items.empty(); }

private:
    std::vector<Shape> items;
    Pen pen;
    Fill fill = Fill::None;
    int sourceLine = 0;
    void add(Shape shape);
};

// Conservative width of a text in drawing units (generous Arial advance widths).
int estimateTextWidth(const std::string& text, int height, bool bold);

// How many characters of the text, from its start, fit into `room` drawing units: the number a
// limit states to the user, who counts characters rather than drawing units.
int charactersThatFit(const std::string& text, int height, bool bold, int room);

// A limit as the user counts it: "<named> '<text>' has N characters; M fit <where>" (no name
// before the quote when `named` is empty).
std::string tooManyCharacters(const std::string& named, const std::string& text, int fit, const std::string& where);

// How many characters of a text shape fit between x = left and x = right where it stands: its
// origin and alignment kept, a centred text both ways from its origin.
int charactersThatFit(const Shape& text, int left, int right);

// The box a shape can cover, its outline and, for text, the estimated glyph extents included.
Box shapeBox(const Shape& shape);

}  // namespace wiring
