// A shield is offered only where one is wired: "6 cores and an overall shield" beside a wiring
// with no 'shield' line sends the builder to buy and solder a screen the drawing never joins, and
// a note that says the cable has none cannot stand beside a shield that is wired.

#include <cctype>
#include <regex>
#include <vector>

#include "wiring/CoreCount.h"
#include "wiring/WiringChecks.h"

namespace wiring {

namespace {

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

const std::regex& noShield() {
    static const std::regex words(
        "\\b(no|without( an?)?)( overall| outer)? (shield|screen)s?\\b|\\bun(shielded|screened)\\b");
    return words;
}

// Where a text says the cable has no shield: the words, or "" when it does not.
std::string saysNoShield(const std::string& text) {
    std::smatch m;
    const std::string folded = lower(text);
    return std::regex_search(folded, m, noShield()) ? text.substr(static_cast<std::size_t>(m.position(0)), m.length(0))
                                                    : std::string();
}

struct Offer {
    std::string words;  // as the note writes them
    bool perCore = false;  // screened cores or coax: each screen is its core's return
    int line = 0;
};

// Every shield the 'cable' notes offer, in their order.
std::vector<Offer> offers(const CableSource& cable) {
    static const std::regex offer(
        "\\b((an? |with an? )?(overall |outer )?(shield|screen)(ed|s|ing)?|coax(ial)?)\\b");
    static const std::regex perCoreAfter("^ ((audio|signal|stereo) )?(cores?|pairs?|cables)\\b");
    std::vector<Offer> found;
    for (const CableNote& note : cable.notes) {
        if (note.section != NoteSection::Cable) continue;
        const std::string text = lower(note.text);
        for (std::sregex_iterator m(text.begin(), text.end(), offer), end; m != end; ++m) {
            const std::size_t at = static_cast<std::size_t>(m->position(0));
            const std::string after = text.substr(at + static_cast<std::size_t>(m->length(0)));
            const bool perCore = (*m)[1].str().rfind("coax", 0) == 0 || (*m)[5].str() == "s" ||
                                 ((*m)[5].str() == "ed" && std::regex_search(after, perCoreAfter));
            found.push_back({note.text.substr(at, static_cast<std::size_t>(m->length(0))), perCore, note.line});
        }
    }
    return found;
}

}  // namespace

void checkShieldOffers(const CableSource& cable) {
    const Wire* shield = nullptr;
    for (const Wire& w : cable.wires)
        if (w.kind == Wire::Kind::Shield) shield = &w;
    // Where the notes or a 'free' reason say there is none.
    std::string none;
    int noneLine = 0;
    for (const CableNote& note : cable.notes) {
        if (noneLine == 0 && !(none = saysNoShield(note.text)).empty()) noneLine = note.line;
    }
    bool freeShield = false;
    for (const FreeContact& f : cable.freeContacts) {
        const std::string said = saysNoShield(f.reason);
        if (!said.empty() && noneLine == 0) {
            none = said;
            noneLine = f.line;
        }
        const std::string reason = lower(f.reason);
        if (said.empty() && (reason.find("shield") != std::string::npos || reason.find("screen") != std::string::npos))
            freeShield = true;
    }
    const std::string says = "line " + std::to_string(noneLine) + " says \"" + none + "\"";
    if (noneLine != 0 && shield)
        throw DataError(cable.file, shield->line, "a shield is wired here, but " + says + ": mend one of them");
    // A screened core's screen is its return: it is wired where a ground is.
    const bool groundWired = coresNeeded(cable).returns > 0;
    for (const Offer& offer : offers(cable)) {
        if (noneLine != 0)
            throw DataError(cable.file, offer.line,
                            "\"" + offer.words + "\" offers a shield, but " + says + ": offer none, or wire one");
        if (shield || freeShield || (offer.perCore && groundWired)) continue;
        throw DataError(cable.file, offer.line,
                        "\"" + offer.words + "\" is offered, but no shield is wired: add a 'shield' line (or a 'free' "
                        "shield contact with its reason), or offer none");
    }
}

}  // namespace wiring
