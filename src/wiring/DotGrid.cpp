#include "wiring/DotGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace wiring {

Sketch onDots(const Sketch& sketch, int unitsPerDot) {
    auto snap = [unitsPerDot](int v) { return static_cast<int>(std::lround(double(v) / unitsPerDot)) * unitsPerDot; };
    Sketch out;
    for (Shape shape : sketch.shapes()) {
        for (Point& p : shape.points) p = {snap(p.x), snap(p.y)};
        Sketch one;
        one.setSourceLine(shape.sourceLine);
        one.setPen(shape.pen.width > 0 ? std::max(unitsPerDot, snap(shape.pen.width)) : 0);
        one.setFill(shape.fill);
        const Point a = shape.points.front();
        switch (shape.kind) {
            case Shape::Kind::Text:
                one.text(a, std::max(unitsPerDot, snap(shape.textHeight)), shape.align, shape.text, shape.bold);
                break;
            case Shape::Kind::Ellipse: {
                const Point b = shape.points[1];
                one.ellipse({(a.x + b.x) / 2, (a.y + b.y) / 2}, std::abs(b.x - a.x) / 2, std::abs(b.y - a.y) / 2);
                break;
            }
            case Shape::Kind::Rectangle: one.rectangle(a, shape.points[1]); break;
            case Shape::Kind::RoundRect: one.roundRect(a, shape.points[1], shape.corner); break;
            case Shape::Kind::Polygon: one.polygon(shape.points); break;
            case Shape::Kind::Polyline: one.polyline(shape.points); break;
        }
        if (!shape.contact.empty()) one.markContact(shape.contact);
        out.append(one);
    }
    return out;
}

}  // namespace wiring
