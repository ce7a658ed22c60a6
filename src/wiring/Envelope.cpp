#include "wiring/Envelope.h"

#include <algorithm>
#include <sstream>

namespace wiring {

Envelope envelopeFor(DrawingKind kind) {
    switch (kind) {
        case DrawingKind::Connector: return {{-1900, -4400, 1900, 4400}};
        case DrawingKind::Notes: return {{-4800, -4000, 4800, 4000}, true, {3500, -4000, 4800, -3000}};
        case DrawingKind::Logo: return {{-5000, -1500, 5000, 1500}};
    }
    return {};
}

namespace {

std::string describe(const Shape& shape) {
    if (shape.kind == Shape::Kind::Text) return "text \"" + shape.text + "\"";
    switch (shape.kind) {
        case Shape::Kind::Polyline: return "line";
        case Shape::Kind::Polygon: return "polygon";
        case Shape::Kind::Rectangle: return "rectangle";
        case Shape::Kind::Ellipse: return "ellipse";
        default: return "round rectangle";
    }
}

std::string boxText(const Box& b) {
    std::ostringstream s;
    s << "x " << b.left << ".." << b.right << ", y " << b.bottom << ".." << b.top;
    return s.str();
}

bool inside(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.bottom >= outer.bottom &&
           inner.top <= outer.top;
}

bool overlaps(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

std::string quotedText(const Shape& text) { return "the text '" + text.text + "'"; }

std::string charactersMessage(const Shape& text, int left, int right, const std::string& where) {
    return tooManyCharacters("the text", text.text, charactersThatFit(text, left, right), where);
}

// A text is measured in what its writer counts: characters across, lines up and down. Other shapes
// come from coordinates the source gives, and keep them.
void checkText(const Shape& text, const Box& box, const Envelope& envelope, std::vector<EnvelopeFault>& faults) {
    const Box& area = envelope.area;
    if (box.left < area.left || box.right > area.right)
        faults.push_back({text.sourceLine, charactersMessage(text, area.left, area.right, "across the drawing")});
    const int pitch = std::max(1, text.textHeight * 125 / 100);
    if (box.top > area.top)
        faults.push_back({text.sourceLine, quotedText(text) + " stands " + std::to_string((box.top - area.top + pitch - 1) / pitch) +
                                               " line(s) above the top of the drawing"});
    if (box.bottom < area.bottom)
        faults.push_back({text.sourceLine, quotedText(text) + " stands " + std::to_string((area.bottom - box.bottom + pitch - 1) / pitch) +
                                               " line(s) below the foot of the drawing"});
    if (envelope.hasKeepClear && overlaps(box, envelope.keepClear))
        faults.push_back({text.sourceLine, charactersMessage(text, area.left, envelope.keepClear.left,
                                                             "beside the corner kept clear for the OK button")});
}

}  // namespace

std::vector<EnvelopeFault> checkEnvelope(const Sketch& sketch, DrawingKind kind) {
    const Envelope envelope = envelopeFor(kind);
    std::vector<EnvelopeFault> faults;
    for (const Shape& shape : sketch.shapes()) {
        const Box box = shapeBox(shape);
        if (shape.kind == Shape::Kind::Text) {
            checkText(shape, box, envelope, faults);
            if (shape.textHeight < SmallestTextHeight)
                faults.push_back({shape.sourceLine, describe(shape) + " is " + std::to_string(shape.textHeight) +
                                                        " units tall, less than " + std::to_string(SmallestTextHeight)});
            continue;
        }
        if (!inside(box, envelope.area))
            faults.push_back({shape.sourceLine, describe(shape) + " reaches " + boxText(box) + ", outside " + boxText(envelope.area)});
        if (envelope.hasKeepClear && overlaps(box, envelope.keepClear))
            faults.push_back({shape.sourceLine, describe(shape) + " reaches " + boxText(box) + ", into the corner kept clear at " +
                                                    boxText(envelope.keepClear)});
    }
    return faults;
}

}  // namespace wiring
