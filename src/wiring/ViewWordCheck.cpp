// Position words are tied to a view: "1 on the left" is true from one side of a plug and false
// from the other, so a sentence that places a contact so must say which side it is seen from,
// in the words the connector drawings use.

#include <algorithm>
#include <cctype>
#include <regex>

#include "wiring/WiringChecks.h"

namespace wiring {

namespace {

const char* const Views[] = {"mating face", "solder side", "seen from the cable", "side view"};

struct Piece {
    std::size_t offset;  // in the paragraph
    int line;
};

// The notes of one section joined as the notes drawing joins them, with where each line starts.
std::string paragraph(const CableSource& cable, NoteSection section, std::vector<Piece>& pieces) {
    std::string text;
    for (const CableNote& note : cable.notes) {
        if (note.section != section) continue;
        if (!text.empty()) text += ' ';
        pieces.push_back({text.size(), note.line});
        text += note.text;
    }
    return text;
}

int lineAt(const std::vector<Piece>& pieces, std::size_t offset) {
    int line = pieces.front().line;
    for (const Piece& p : pieces) {
        if (p.offset <= offset) line = p.line;
    }
    return line;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

void checkViewWords(const CableSource& cable) {
    static const std::regex position(
        "\\b(on|at|to) the (left|right|top|bottom)\\b"
        "|\\b(left|right|top|bottom|upper|lower)(-hand)? (row|side|end|corner|edge)\\b"
        "|\\b(left|right) of\\b|\\bfrom the (left|right)\\b|\\b(leftmost|rightmost|topmost|uppermost)\\b");
    for (NoteSection section : {NoteSection::Use, NoteSection::Variant, NoteSection::Cable, NoteSection::Caution,
                                NoteSection::Source, NoteSection::Check}) {
        std::vector<Piece> pieces;
        const std::string text = lower(paragraph(cable, section, pieces));
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t stop = std::min(text.find(". ", start), text.find("; ", start));
            if (stop == std::string::npos) stop = text.size();
            const std::string sentence = text.substr(start, stop - start);
            std::smatch m;
            if (std::regex_search(sentence, m, position)) {
                const bool named = std::any_of(std::begin(Views), std::end(Views), [&sentence](const char* view) {
                    return sentence.find(view) != std::string::npos;
                });
                if (!named)
                    throw DataError(cable.file, lineAt(pieces, start + m.position(0)), "\"" +
                                    m.str(0) + "\" places a contact without naming the view: say \"mating face\" as "
                                    "the connector drawing does, or \"solder side\" or \"seen from the cable\"");
            }
            start = stop + 1;
        }
    }
}

}  // namespace wiring
