#include "wiring/SketchSource.h"

namespace wiring {

namespace {

std::vector<Point> points(const SourceLine& line, std::size_t least) {
    if ((line.size() - 1) % 2 != 0) line.fail("points need an x and a y each");
    std::vector<Point> out;
    for (std::size_t i = 1; i + 1 < line.size(); i += 2) out.push_back({line.integer(i), line.integer(i + 1)});
    if (out.size() < least) line.fail("'" + line.word(0) + "' needs at least " + std::to_string(least) + " points");
    return out;
}

void expectCount(const SourceLine& line, std::size_t count) {
    if (line.size() != count) line.fail("'" + line.word(0) + "' takes " + std::to_string(count - 1) + " values");
}

Align parseAlign(const SourceLine& line) {
    const std::string& w = line.word(1);
    if (w == "left") return Align::Left;
    if (w == "centre") return Align::Centre;
    if (w == "right") return Align::Right;
    line.fail("alignment is 'left', 'centre' or 'right', not '" + w + "'");
}

}  // namespace

Fill parseFill(const SourceLine& line, std::size_t index) {
    const std::string& w = line.word(index);
    if (w == "none") return Fill::None;
    if (w == "white") return Fill::White;
    if (w == "light") return Fill::Light;
    if (w == "grey") return Fill::Grey;
    if (w == "black") return Fill::Black;
    line.fail("unknown fill '" + w + "' (none, white, light, grey or black)");
}

Sketch parseSketch(const std::vector<SourceLine>& lines) {
    Sketch sketch;
    for (const SourceLine& line : lines) {
        sketch.setSourceLine(line.number());
        const std::string& key = line.word(0);
        if (key == "text" || key == "bold") {
            const Align align = parseAlign(line);
            const int height = line.integer(2);
            sketch.text({line.integer(3), line.integer(4)}, height, align, line.rest(5), key == "bold");
        } else if (key == "pen") {
            expectCount(line, 2);
            const int width = line.integer(1);
            if (width < 0 || width > 300) line.fail("pen width lies in 0..300");
            sketch.setPen(width);
        } else if (key == "fill") {
            expectCount(line, 2);
            sketch.setFill(parseFill(line, 1));
        } else if (key == "line") {
            sketch.polyline(points(line, 2));
        } else if (key == "polygon") {
            sketch.polygon(points(line, 3));
        } else if (key == "rect") {
            expectCount(line, 5);
            sketch.rectangle({line.integer(1), line.integer(2)}, {line.integer(3), line.integer(4)});
        } else if (key == "roundrect") {
            expectCount(line, 6);
            sketch.roundRect({line.integer(1), line.integer(2)}, {line.integer(3), line.integer(4)}, line.integer(5));
        } else if (key == "circle") {
            expectCount(line, 4);
            sketch.circle({line.integer(1), line.integer(2)}, line.integer(3));
        } else if (key == "ellipse") {
            expectCount(line, 5);
            sketch.ellipse({line.integer(1), line.integer(2)}, line.integer(3), line.integer(4));
        } else {
            line.fail("unknown keyword '" + key + "'");
        }
    }
    return sketch;
}

}  // namespace wiring
