#pragma once
// Faces built by rule from one line of a connector source: one row of contacts (pin headers,
// crimp housings, terminal blocks), rows of them (two-row headers, DIN 41612 strips) and loose
// ends. Each contact keeps its row and column (Contact::gridRow, gridColumn).

#include <string>
#include <vector>

#include "wiring/Face.h"

namespace wiring {

constexpr int MaxRowContacts = 64;   // face row, face ends
constexpr int MaxGridRows = 5;
constexpr int MaxGridContacts = 96;  // face grid: three rows of 32, as the largest DIN 41612 strip

// One row numbered first, first + 1, ...
Face buildRow(int count, int first);

// Rows of contacts. Without letters, numbered column by column as the makers of two-row headers
// do (odd one row, even the other). With a letter for each row, a contact is its row's letter and
// its column's number: 1 to columns, or, for 16 columns, 2 to 32, the places of the 5.08 mm
// pitch that DIN 41612 types D, E and F count on their 32-place grid (z2 ... d32).
Face buildGrid(int rows, int columns, const std::vector<std::string>& rowLetters);

// Loose ends or ferrules, numbered from 1: no housing and no gender.
Face buildEnds(int count);

// The numbers of the columns of a lettered grid (see buildGrid).
int gridColumnNumber(int columns, int column);

}  // namespace wiring
