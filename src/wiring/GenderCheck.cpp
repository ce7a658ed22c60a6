// Each end's gender is stated (the diagram and the notes write it out), and the end's name in
// the source does not contradict it.

#include <regex>

#include "wiring/EndGenders.h"
#include "wiring/WiringChecks.h"

namespace wiring {

void checkGenders(const CableSource& cable) {
    for (Side side : {Side::Start, Side::End}) {
        const CableEndFacts& facts = cable.facts(side);
        if (facts.looseEnds) continue;
        const std::string sideWord = side == Side::Start ? "start" : "end";
        if (facts.genderLine == 0)
            throw DataError(cable.file, 1, "no 'gender " + sideWord + "' line: say whether the " + sideWord +
                            " connector of the cable is male or female");
        const std::string other = genderWord(facts.gender == Gender::Male ? Gender::Female : Gender::Male);
        const std::regex word("(^|[^a-z])" + other + "([^a-z]|$)", std::regex::icase);
        const CableText& heading = cable.heading(side);
        if (std::regex_search(heading.text, word))
            throw DataError(cable.file, heading.line, "the " + sideWord + " name \"" +
                            heading.text + "\" says " + other + ", but line " + std::to_string(facts.genderLine) +
                            " states " + genderWord(facts.gender));
    }
}

}  // namespace wiring
