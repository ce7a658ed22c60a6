#include "wiring/Render.h"

#include "wiring/Metafile.h"

#include <algorithm>

namespace wiring {

namespace {

constexpr std::uint16_t AlignBaseline = 24;
constexpr std::uint16_t AlignCentre = 6;
constexpr std::uint16_t AlignRight = 2;

std::uint32_t fillColor(Fill fill) {
    switch (fill) {
        case Fill::White: return rgb(255, 255, 255);
        case Fill::Light: return rgb(224, 224, 224);
        case Fill::Grey: return rgb(150, 150, 150);
        case Fill::Black: return rgb(0, 0, 0);
        case Fill::None: break;
    }
    return 0;
}

// One kind of object (pen, brush or font): which one is selected and in which slot.
struct Selection {
    int slot = -1;
    long key = -1;
};

class Renderer {
public:
    std::vector<std::uint8_t> run(const Sketch& sketch) {
        out.saveDC();
        out.setBkMode(TransparentBackground);
        out.setTextColor(rgb(0, 0, 0));
        for (const Shape& shape : sketch.shapes()) draw(shape);
        out.restoreDC();
        for (Selection* s : {&pen, &brush, &font}) {
            if (s->slot >= 0) out.deleteObject(s->slot);
        }
        return out.finish();
    }

private:
    void replace(Selection& current, long key, int slot) {
        out.selectObject(slot);
        if (current.slot >= 0) out.deleteObject(current.slot);
        current = {slot, key};
    }

    void usePen(const Pen& wanted) {
        const long key = wanted.width;
        if (pen.key == key) return;
        const int slot = wanted.width > 0 ? out.createPen(PenSolid, wanted.width, rgb(0, 0, 0))
                                          : out.createPen(PenNull, 0, rgb(0, 0, 0));
        replace(pen, key, slot);
    }

    void useBrush(Fill fill) {
        const long key = static_cast<long>(fill);
        if (brush.key == key) return;
        const int slot = fill == Fill::None ? out.createBrush(BrushHollow, 0)
                                            : out.createBrush(BrushSolid, fillColor(fill));
        replace(brush, key, slot);
    }

    void useFont(int height, bool bold) {
        const long key = height * 2L + (bold ? 1 : 0);
        if (font.key == key) return;
        replace(font, key, out.createFont(-height, bold ? 700 : 400, "Arial"));
    }

    void useAlign(Align wanted) {
        std::uint16_t mode = AlignBaseline;
        if (wanted == Align::Centre) mode |= AlignCentre;
        if (wanted == Align::Right) mode |= AlignRight;
        if (mode == align) return;
        out.setTextAlign(mode);
        align = mode;
    }

    void draw(const Shape& shape) {
        std::vector<MetaPoint> points;
        for (const Point& p : shape.points) points.push_back({p.x, p.y});
        if (shape.kind == Shape::Kind::Text) {
            useFont(shape.textHeight, shape.bold);
            useAlign(shape.align);
            out.textOut(points[0].x, points[0].y, shape.text);
            return;
        }
        usePen(shape.pen);
        if (shape.kind == Shape::Kind::Polyline) {
            if (points.size() == 2) {
                out.moveTo(points[0].x, points[0].y);
                out.lineTo(points[1].x, points[1].y);
            } else {
                out.polyline(points);
            }
            return;
        }
        useBrush(shape.fill);
        // GDI rectangles take the top-left and the bottom-right corner; with y up the top is the larger y.
        const int left = std::min(points[0].x, points[1].x);
        const int right = std::max(points[0].x, points[1].x);
        const int bottom = std::min(points[0].y, points[1].y);
        const int top = std::max(points[0].y, points[1].y);
        switch (shape.kind) {
            case Shape::Kind::Polygon: out.polygon(points); break;
            case Shape::Kind::Rectangle: out.rectangle(left, top, right, bottom); break;
            case Shape::Kind::Ellipse: out.ellipse(left, top, right, bottom); break;
            case Shape::Kind::RoundRect: out.roundRect(left, top, right, bottom, shape.corner, shape.corner); break;
            default: break;
        }
    }

    MetafileWriter out;
    Selection pen;
    Selection brush;
    Selection font;
    std::uint16_t align = 0;
};

}  // namespace

std::vector<std::uint8_t> renderMetafile(const Sketch& sketch) { return Renderer().run(sketch); }

}  // namespace wiring
