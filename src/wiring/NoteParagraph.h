#pragma once
// The lines of one notes section joined into the paragraph the notes drawing shows, with the
// source line each piece came from, so that a check of the paragraph names the right line.

#include <cstddef>
#include <string>
#include <vector>

#include "wiring/CableSource.h"

namespace wiring {

struct NoteParagraph {
    struct Piece {
        std::size_t offset;  // in text
        int line;
    };
    std::string text;
    std::vector<Piece> pieces;

    // The source line of the character at `offset`; 1 for an empty paragraph.
    int lineAt(std::size_t offset) const;
};

NoteParagraph joinNotes(const CableSource& cable, NoteSection section);

}  // namespace wiring
