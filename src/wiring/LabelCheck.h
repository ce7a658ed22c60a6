#pragma once
// Labels that can be read: in a finished drawing no text may lie on another text or on a contact,
// nor be crossed by a line. Texts are measured as generously as the envelope measures them.

#include <string>
#include <vector>

#include "wiring/Sketch.h"

namespace wiring {

struct LabelFault {
    int line;  // the source line of the text that is covered
    std::string message;
};

// One fault per text that cannot be read, in the order the texts were drawn.
std::vector<LabelFault> checkLabels(const Sketch& sketch);

}  // namespace wiring
