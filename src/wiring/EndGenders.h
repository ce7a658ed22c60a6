#pragma once
// The words that tell the builder each end's gender, and where the connector drawing shows the
// other gender, that it must be mirrored.

#include <string>
#include <vector>

#include "wiring/CableSource.h"

namespace wiring {

std::string genderWord(Gender gender);  // "male", "female"

// What an end is: its gender, or "loose ends" where it has no connector.
std::string endWord(const CableEndFacts& facts);

// What the circuit diagram writes under each connector's name: its gender, and where the
// connector drawing shows the other gender, "male: mirror the drawing". When both ends need
// that and the two do not fit side by side, one centred line says it for both.
struct GenderLine {
    std::string start;
    std::string end;
    std::string both;  // instead of start and end, when not empty
};
GenderLine genderLine(const CableSource& cable, int height, int width);

// The notes' paragraph "Connectors": the sentences that tell the builder to mirror a drawing that
// shows the other gender's face; empty when no drawing needs it. Each end's name, gender and parts
// are in the paragraph "Parts".
std::string endsParagraph(const CableSource& cable);

}  // namespace wiring
