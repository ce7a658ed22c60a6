#pragma once
// Where things go on the printed pages, and what the lines say. Page units are 0.01 mm
// (MM_HIMETRIC): the origin is the top-left corner of the printable area and y grows upward, so
// every point on the page has a y of 0 or below. No windows.h here: the host tests reach it.

#include <array>
#include <string>
#include <vector>

#include "cables/Cable.h"
#include "cables/CableTable.h"

struct PagePoint {
    int x;
    int y;
};

struct PageRect {
    int left;
    int top;
    int right;
    int bottom;
};

// The print command's options: the control ids of the dialog's radio buttons.
namespace PrintOption {
constexpr int CurrentCable = 1008;
constexpr int AllCables = 1011;
constexpr int CableList = 1012;
}  // namespace PrintOption

// Both documents are named so in the spooler.
constexpr const char* PrintDocumentName = "Strandor!";

// Both titles: centred on 105 mm, their top 15 mm below the top edge.
constexpr PagePoint TitlePosition = {10500, -1500};

// The cable sheet.
constexpr PagePoint NotesHeadingPosition = {14500, -14100};
constexpr const char* NotesHeading = "User Notes:";
constexpr PageRect NotesRect = {13500, -14900, 19500, -27700};
constexpr int NotesBufferBytes = 1000;
constexpr int NotesMaxBytes = NotesBufferBytes - 1;  // the text always ends with a zero byte

constexpr int TitleFontHeight = 800;
constexpr int HeadingFontHeight = 500;
constexpr int NotesFontHeight = 300;

// One drawing of the sheet: its file, and the window origin that puts the drawing's (0, 0) on the
// page at (-x0, -y0).
struct SheetDrawing {
    std::string path;
    int x0;
    int y0;
};

// The seven drawings in the order they are drawn: start pinouts, start connector, circuit diagram,
// end connector, end pinouts, cable notes, print logo.
std::array<SheetDrawing, 7> SheetDrawings(const CableRecord& cable, int cableNumber);
// The same for any cable, by its files.
std::array<SheetDrawing, 7> SheetDrawings(const Cable& cable);

// The cable list.
constexpr const char* CableListTitle = "Strandor! 1.02 cablelist";
constexpr int ListFontHeight = 300;

// Top-left of line number (counted from 1); the lines are one font height apart.
PagePoint ListLinePosition(int number);
// "%d. " followed by the name.
std::string ListLineText(int number, const char* name);

// Names of the cables in use in the program's catalog, in table order.
std::vector<const char*> CableListNames();

// The cable numbers whose sheets one print command makes, in print order: the current cable, every
// cable in use, or none (the list, or an unknown choice).
std::vector<int> SheetsToPrint(int choice, int currentCable);
