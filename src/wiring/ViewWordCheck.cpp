// Position words are tied to a view: "1 on the left" is true from one side of a plug and false
// from the other, so a sentence that places a contact so (on the left, top left, "N left", above,
// lower ...) must say which side it is seen from, in the words the connector drawings use. A view
// from the rear is the mirror of the drawing, and the sentence says that too.

#include <algorithm>
#include <cctype>
#include <iterator>
#include <regex>

#include "wiring/NoteParagraph.h"
#include "wiring/WiringChecks.h"

namespace wiring {

namespace {

const char* const Views[] = {"mating face", "solder side", "seen from the cable", "side view", "seen from the side"};
// True views too, but the mirror of the mating faces the drawings show, and the notes must say so.
const char* const RearViews[] = {"seen from the rear", "seen from the back", "from behind", "rear view", "back view"};

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Not a place: "left free", "left and right channels", "above 9600 bit/s".
bool placesNothing(const std::string& sentence, std::size_t wordAt, const std::string& word) {
    static const std::regex leftAlone("^ (free|open|unconnected|unwired|unused|out|alone|empty)\\b");
    static const std::regex channel("^((-hand)? channels?|( and| or) (left|right) channels?)\\b");
    static const std::regex quantity("^ [0-9]");
    const std::string after = sentence.substr(wordAt + word.size());
    if (word == "left" && std::regex_search(after, leftAlone)) return true;
    if ((word == "left" || word == "right") && std::regex_search(after, channel)) return true;
    return (word == "above" || word == "below") && std::regex_search(after, quantity);
}

bool says(const std::string& sentence, const char* const* words, std::size_t count) {
    return std::any_of(words, words + count, [&sentence](const char* w) { return sentence.find(w) != std::string::npos; });
}

}  // namespace

void checkViewWords(const CableSource& cable) {
    static const std::regex position(
        "\\b((on|at|to|from|in) the |[a-z0-9+]+[ -])?(left|right|top|bottom|upper|lower|above|below)\\b");
    for (NoteSection section : {NoteSection::Use, NoteSection::Variant, NoteSection::Cable, NoteSection::Caution,
                                NoteSection::Source, NoteSection::Check, NoteSection::Unconfirmed}) {
        const NoteParagraph notes = joinNotes(cable, section);
        const std::string& original = notes.text;
        const std::string text = lower(original);
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t stop = std::min(text.find(". ", start), text.find("; ", start));
            if (stop == std::string::npos) stop = text.size();
            const std::string sentence = text.substr(start, stop - start);
            // Named by the line of the word itself.
            auto fail = [&](std::size_t at, const std::string& message) {
                throw DataError(cable.file, notes.lineAt(start + at), message);
            };
            for (const char* rear : RearViews) {
                const std::size_t at = sentence.find(rear);
                if (at != std::string::npos && sentence.find("mirror") == std::string::npos)
                    fail(at, "\"" + original.substr(start + at, std::string(rear).size()) +
                                 "\" is the mirror image of the mating face the drawing shows: say so in the same "
                                 "sentence (\"the mirror of the drawing\")");
            }
            const bool named = says(sentence, Views, std::size(Views)) || says(sentence, RearViews, std::size(RearViews));
            for (std::sregex_iterator m(sentence.begin(), sentence.end(), position), end; m != end && !named; ++m) {
                const std::size_t wordAt = static_cast<std::size_t>(m->position(3));
                if (placesNothing(sentence, wordAt, (*m)[3].str())) continue;
                const std::size_t at = static_cast<std::size_t>(m->position(0));
                fail(wordAt, "\"" + original.substr(start + at, m->length(0)) +
                             "\" places a contact without naming the view: say \"mating face\" as the connector "
                             "drawing does, or \"solder side\" or \"seen from the cable\"");
            }
            start = stop + 1;
        }
    }
}

}  // namespace wiring
