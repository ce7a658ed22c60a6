#include "wiring/NoteParagraph.h"

namespace wiring {

int NoteParagraph::lineAt(std::size_t offset) const {
    int line = pieces.empty() ? 1 : pieces.front().line;
    for (const Piece& p : pieces) {
        if (p.offset <= offset) line = p.line;
    }
    return line;
}

NoteParagraph joinNotes(const CableSource& cable, NoteSection section) {
    NoteParagraph paragraph;
    for (const CableNote& note : cable.notes) {
        if (note.section != section) continue;
        if (!paragraph.text.empty()) paragraph.text += ' ';
        paragraph.pieces.push_back({paragraph.text.size(), note.line});
        paragraph.text += note.text;
    }
    return paragraph;
}

}  // namespace wiring
