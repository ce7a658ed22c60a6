#pragma once
// Notes that send the reader to another cable name it exactly: "{cable 11}" in a note is written
// as that cable's list name and number, and a quoted part of another cable's name ("audio out",
// which two cables' names end with) is refused, since a reader who follows it may land anywhere.

#include <map>
#include <string>

#include "wiring/CableSource.h"

namespace wiring {

// The list names of the cables in use, by number.
using CableNames = std::map<int, std::string>;

// Refuses a "{cable N}" that names no cable of `names` or the cable itself, and a quoted phrase of
// a note (the sources' words apart) that is part of another cable's name but not the whole of it
// (a part of the cable's own name, `ownName`, is its own word); then writes each "{cable N}" as
// "<its name>", cable N. Throws DataError with the note's line.
void resolveCableReferences(CableSource& cable, const std::string& ownName, const CableNames& names);

}  // namespace wiring
