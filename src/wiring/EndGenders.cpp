#include "wiring/EndGenders.h"

#include "wiring/Sketch.h"

namespace wiring {

std::string genderWord(Gender gender) { return gender == Gender::Male ? "male" : "female"; }

std::string endWord(const CableEndFacts& facts) { return facts.looseEnds ? "loose ends" : genderWord(facts.gender); }

namespace {

bool mirrored(const CableEndFacts& facts) { return facts.drawnFace && facts.drawnGender != facts.gender; }

// "The start's drawing shows the female face; this end is male: mirror it." for each end whose
// drawing shows the other gender's mating face; one sentence for both ends when they agree.
std::vector<std::string> mirrorSentences(const CableSource& cable) {
    const CableEndFacts& start = cable.startEnd;
    const CableEndFacts& end = cable.endEnd;
    if (mirrored(start) && mirrored(end) && start.gender == end.gender)
        return {"Both drawings show the " + genderWord(start.drawnGender) + " face; both ends are " +
                genderWord(start.gender) + ": mirror them."};
    std::vector<std::string> sentences;
    for (Side side : {Side::Start, Side::End}) {
        const CableEndFacts& facts = cable.facts(side);
        if (!mirrored(facts)) continue;
        sentences.push_back(std::string(side == Side::Start ? "The start's" : "The end's") + " drawing shows the " +
                            genderWord(facts.drawnGender) + " face; this end is " + genderWord(facts.gender) +
                            ": mirror it.");
    }
    return sentences;
}

}  // namespace

GenderLine genderLine(const CableSource& cable, int height, int width) {
    GenderLine line;
    auto words = [](const CableEndFacts& facts) {
        return endWord(facts) + (mirrored(facts) ? ": mirror the drawing" : "");
    };
    line.start = words(cable.startEnd);
    line.end = words(cable.endEnd);
    const bool fits = estimateTextWidth(line.start, height, false) + estimateTextWidth(line.end, height, false) + 150 <= width;
    if (!fits && cable.startEnd.gender == cable.endEnd.gender && !cable.startEnd.looseEnds && !cable.endEnd.looseEnds) {
        line.both = "both " + genderWord(cable.startEnd.gender) + ": mirror both drawings";
        line.start.clear();
        line.end.clear();
    }
    return line;
}

std::string endsParagraph(const CableSource& cable) {
    std::string text;
    for (const std::string& sentence : mirrorSentences(cable)) text += (text.empty() ? "" : " ") + sentence;
    return text;
}

}  // namespace wiring
