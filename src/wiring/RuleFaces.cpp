#include "wiring/RuleFaces.h"

#include <functional>

namespace wiring {

namespace {

constexpr int Pitch = 254;           // 2.54 mm, the pitch of most headers and crimp housings
constexpr int MiddleRowPitch = 640;  // three rows or more: the middle rows' numbers stand between them
constexpr int ContactSize = 120;
constexpr int LongestLyingRow = 8;   // longer faces stand upright, where the numbers get the height
constexpr int HousingMargin = 180;
constexpr int NumberGap = 100;       // wider than a drawn face's: a number stays clear on the pixel grid

const Point Up{0, 1};
const Point Down{0, -1};
const Point Left{-1, 0};
const Point Right{1, 0};

struct Rule {
    int rows = 1;
    int columns = 1;
    std::function<std::string(int row, int column)> id;  // both counted from 0
    bool looseEnds = false;
};

// Where a contact's number goes: a single row's numbers alternate sides when it stands upright;
// the outer rows' numbers stand outside them, a middle row's only at its two ends.
Point labelPlace(const Rule& rule, int row, int column, bool upright, bool& labelled) {
    labelled = true;
    if (rule.rows == 1 && !upright) return Up;
    // Upright, the first number stands over the row and the last under it; the others alternate.
    if (rule.rows == 1) return column == 0 ? Left : column == rule.columns - 1 ? Right : column % 2 == 1 ? Down : Up;
    if (row == 0) return Up;
    if (row == rule.rows - 1) return Down;
    if (column == 0) return Left;
    if (column == rule.columns - 1) return Right;
    labelled = false;
    return Up;
}

Face build(const Rule& rule) {
    const int rowPitch = rule.rows >= 3 ? MiddleRowPitch : Pitch;
    const bool upright = rule.columns > LongestLyingRow;
    Face face;
    face.thinsNumbers = true;
    face.labelGap = NumberGap;
    const int halfWidth = (rule.columns - 1) * Pitch / 2;
    const int halfHeight = (rule.rows - 1) * rowPitch / 2;
    if (!rule.looseEnds) {
        // No outline: a number may stand on the housing without a line through it.
        face.outlines.push_back({FaceOutline::Kind::Rectangle,
                                 {{-halfWidth - HousingMargin, -halfHeight - HousingMargin},
                                  {halfWidth + HousingMargin, halfHeight + HousingMargin}},
                                 0,
                                 Fill::Light,
                                 0});
    }
    for (int column = 0; column < rule.columns; ++column) {
        for (int row = 0; row < rule.rows; ++row) {
            Contact c;
            c.id = rule.id(row, column);
            c.at = {-halfWidth + column * Pitch, halfHeight - row * rowPitch};
            if (rule.looseEnds) {
                c.round = false;
                c.width = 100;  // a ferrule, its wire running across the row
                c.height = 260;
            } else {
                c.round = row != 0 || column != 0;  // the first contact is square, as on a board
                c.width = c.height = ContactSize;
            }
            c.labelDirection = labelPlace(rule, row, column, upright, c.labelled);
            c.rowEnd = column == 0 || column == rule.columns - 1;
            c.gridRow = row + 1;
            c.gridColumn = column + 1;
            face.contacts.push_back(c);
        }
    }
    return upright ? standUp(face) : face;
}

std::string range(const std::string& first, const std::string& last) {
    return first == last ? first : first + "-" + last;
}

}  // namespace

int gridColumnNumber(int columns, int column) { return columns == 16 ? 2 * (column + 1) : column + 1; }

Face buildRow(int count, int first) {
    Rule rule;
    rule.columns = count;
    rule.id = [first](int, int column) { return std::to_string(first + column); };
    Face face = build(rule);
    const std::string firstId = std::to_string(first);
    if (face.upright) {
        face.legend.push_back("One row, drawn upright:");
        face.legend.push_back(firstId + " at the top, a square contact");
    } else {
        face.legend.push_back("One row: " + range(firstId, std::to_string(first + count - 1)) + ";");
        face.legend.push_back(firstId + " is the square contact");
    }
    return face;
}

Face buildGrid(int rows, int columns, const std::vector<std::string>& rowLetters) {
    Rule rule;
    rule.rows = rows;
    rule.columns = columns;
    const bool lettered = !rowLetters.empty();
    if (lettered) {
        rule.id = [&rowLetters, columns](int row, int column) {
            return rowLetters[row] + std::to_string(gridColumnNumber(columns, column));
        };
    } else {
        rule.id = [rows](int row, int column) { return std::to_string(column * rows + row + 1); };
    }
    Face face = build(rule);
    const std::string first = face.contacts.front().id;
    const std::string drawn = face.upright ? ", drawn upright" : "";
    if (lettered) {
        std::string letters;
        for (const std::string& l : rowLetters) letters += (letters.empty() ? "" : ", ") + l;
        face.legend.push_back("Rows " + letters + "; columns " +
                              range(std::to_string(gridColumnNumber(columns, 0)),
                                    std::to_string(gridColumnNumber(columns, columns - 1))));
        face.legend.push_back(first + " is square" + drawn);
    } else if (rows == 2) {
        face.legend.push_back("Odd " + range("1", std::to_string(2 * columns - 1)) + " one row, even " +
                              range("2", std::to_string(2 * columns)));
        face.legend.push_back("the other; 1 square" + drawn);
    } else {
        face.legend.push_back(range("1", std::to_string(rows)) + " across the first column,");
        face.legend.push_back("and so on; 1 square" + drawn);
    }
    return face;
}

Face buildEnds(int count) {
    Rule rule;
    rule.columns = count;
    rule.looseEnds = true;
    rule.id = [](int, int column) { return std::to_string(column + 1); };
    Face face = build(rule);
    face.legend.push_back(std::string("No housing: ") + (count == 1 ? "one wire end" : std::to_string(count) + " wire ends") +
                          (face.upright ? ", upright" : ""));
    return face;
}

}  // namespace wiring
