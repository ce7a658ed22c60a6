#pragma once
// The face of a connector: its outline, its contacts with their numbers, and how it is drawn.
// Faces are built in drawing units at full size; a drawing may shrink them to fit.

#include <string>
#include <vector>

#include "wiring/Sketch.h"

namespace wiring {

enum class Gender { Male, Female };

struct FaceOutline {
    enum class Kind { Polygon, Polyline, Rectangle, RoundRect, Circle };
    Kind kind;
    std::vector<Point> points;  // rectangle corners, circle centre, or the polygon's points
    int size = 0;               // circle radius or round rectangle corner
    Fill fill = Fill::None;
    int pen = 25;
    int line = 0;  // the source line of a drawn outline, 0 in a built face
};

struct Contact {
    std::string id;
    Point at;
    bool round = true;
    int width = 140;   // diameter of a round contact
    int height = 140;
    Point labelDirection{0, 1};  // each component -1, 0 or 1; (0, 0) puts the number inside
    bool labelled = true;        // numbered in the large drawing
    bool rowEnd = true;          // numbered in the small one (pinout drawings) too
    int line = 0;                // the source line of a drawn contact, 0 in a built face
    // Its place in a face built by rule (row, grid, ends), both counted from 1: row 1 is the top
    // row of the face lying down, column 1 holds the first contact. 0 in every other face.
    int gridRow = 0;
    int gridColumn = 0;
};

struct FaceMark {
    Point at;
    std::string text;
    int line = 0;
};

struct Face {
    std::vector<FaceOutline> outlines;
    std::vector<Contact> contacts;
    std::vector<FaceMark> marks;
    std::vector<std::string> legend;  // lines under the drawing that explain the numbering
    Gender gender = Gender::Male;
    int numberHeight = 280;  // of the contact numbers in the large drawing
    // A long face stands upright in the connector drawing, its top row turned to the right
    // (or, mirrored, to the left); a small drawing lays it down again.
    bool upright = false;
    bool turnedClockwise = true;
    // A face built by rule numbers every contact where the numbers fit, else only the row ends and
    // every second, fifth or tenth column.
    bool thinsNumbers = false;
    int labelGap = 70;  // from a contact's edge to its number

    const Contact* find(const std::string& id) const;
    // The same face without its source lines, for a drawing that borrows it from another source.
    Face withoutLines() const;
};

// Builders of the regular families, each giving the male mating face.
Face buildDsub(int topRow, int bottomRow);  // DE-9, DA-15, DB-25
Face buildHighDensity15();                  // HD-15 (VGA)
Face buildCentronics(int pins);
Face buildScart();
Face buildModular(int contacts);            // 8P8C, 6P6C
Face buildIdc(int pins);
Face buildCardEdge(int pins);

// The same face seen as the other gender's mating face: mirrored left to right.
Face mirrored(const Face& face);

// A long face turned a quarter clockwise to stand upright in the connector drawing.
Face standUp(const Face& face);

// An upright face turned back to lie with its rows across, as the small drawings show it.
Face lyingDown(const Face& face);

// Draws the face into region, shrinking it to fit when needed; labelHeight is the numbers' height.
// With rowEndsOnly only the contacts marked rowEnd get numbers.
void drawFace(Sketch& sketch, const Face& face, Box region, int labelHeight, bool rowEndsOnly);

// The box the face's outlines and contacts take at full size.
Box faceExtent(const Face& face);

}  // namespace wiring
