#pragma once
// The notes drawing of a cable (NOTES.NNN): what it is for, the variant, the cable to use, the
// cautions and the source on the left; the continuity checklist on the right. Inside the notes
// envelope, clear of the OK button's corner.

#include <string>
#include <utility>
#include <vector>

#include "wiring/CableSource.h"
#include "wiring/Sketch.h"

namespace wiring {

// The heading of the notes' first paragraph when no public reference confirms the wiring.
constexpr const char* UnconfirmedHeading = "Wiring unconfirmed";

// name: the cable's name from the cable table (code page 1252), the heading; nameLine: the source
// line that gives it, where a user's cable names itself.
// Throws DataError naming the source line when the notes do not fit.
Sketch layoutCableNotes(const CableSource& cable, const std::string& name, int nameLine = 1);

// The paragraphs of the left column in full, in the drawing's order: heading and text. The cable
// index carries them for a screen reader.
std::vector<std::pair<std::string, std::string>> notesParagraphs(const CableSource& cable);

}  // namespace wiring
