#include "wiring/CableIndexEntry.h"

#include <cctype>
#include <set>
#include <sstream>

#include "wiring/ConnectorLayout.h"
#include "wiring/Netlist.h"
#include "wiring/NotesLayout.h"
#include "wiring/PartsList.h"

namespace wiring {

namespace {
std::string genderWord(Gender gender) { return gender == Gender::Female ? "female" : "male"; }

// The end's gender is the one the cable's source states for its connector, not the one its
// drawing shows: a cable with a female DE-9 may borrow the male drawing, mirrored.
IndexedEnd indexEnd(const ConnectorSource& plug, const CableEndFacts& facts, const std::string& label) {
    const std::string title = plug.titles.empty() ? std::string() : plug.titles.front().text;
    // Loose ends have no gender: the field stays empty.
    return {connectorFamily(title), facts.looseEnds ? std::string() : genderWord(facts.gender), title, label};
}

// The words of the notes, each once (case ignored), without the punctuation around them.
std::string noteWords(const CableSource& cable) {
    std::set<std::string> seen;
    std::string words;
    for (const CableNote& note : cable.notes) {
        std::istringstream stream(note.text);
        std::string word;
        while (stream >> word) {
            const std::string trimChars = ",.;:()\"'!?";
            const std::size_t first = word.find_first_not_of(trimChars);
            if (first == std::string::npos) continue;
            word = word.substr(first, word.find_last_not_of(trimChars) - first + 1);
            std::string key = word;
            for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (seen.insert(key).second) words += (words.empty() ? "" : " ") + word;
        }
    }
    return words;
}
// The middle of each contact the connector drawing draws, by its number.
std::vector<std::pair<std::string, Point>> contactSpots(const Sketch& sketch) {
    const std::string mark = "contact ";
    std::vector<std::pair<std::string, Point>> spots;
    for (const Shape& shape : sketch.shapes()) {
        if (shape.contact.compare(0, mark.size(), mark) != 0) continue;
        const Box box = shapeBox(shape);
        spots.emplace_back(shape.contact.substr(mark.size()), Point{(box.left + box.right) / 2, (box.bottom + box.top) / 2});
    }
    return spots;
}
}  // namespace

IndexedCable indexCable(const CableSource& cable, const ConnectorSource& startPlug, const ConnectorSource& endPlug) {
    IndexedCable entry;
    entry.number = cable.number;
    for (const CableText& title : cable.titles) entry.title += (entry.title.empty() ? "" : ", ") + title.text;
    entry.start = indexEnd(startPlug, cable.startEnd, cable.startTitle.text);
    entry.end = indexEnd(endPlug, cable.endEnd, cable.endTitle.text);
    for (const Branch& branch : cable.branches) entry.branches.push_back({branch.name, branch.title});
    entry.wires = indexedWires(cable);
    // The check lines of a source are one paragraph, as on the notes drawing.
    std::string checks;
    for (const CableNote& note : cable.notes)
        if (note.section == NoteSection::Check) checks += (checks.empty() ? "" : " ") + note.text;
    if (!checks.empty()) entry.checks.push_back(checks);
    entry.words = noteWords(cable);
    for (const auto& [heading, text] : notesParagraphs(cable)) entry.notes.push_back({heading, text});
    for (const PartsEntry& part : partsList(cable)) entry.parts.push_back({partPlaceWord(part.place), part.text});
    entry.unconfirmed = unconfirmedText(cable);
    entry.quiet = cable.quietPairs;
    entry.unplacedEnds = cable.unplacedEnds;
    entry.startFace = genderLine(startPlug);
    entry.endFace = genderLine(endPlug);
    for (const auto& [end, plug] : {std::pair("S", &startPlug), std::pair("E", &endPlug)})
        for (const auto& [contact, at] : contactSpots(layoutConnector(*plug))) entry.spots.push_back({end, contact, at.x, at.y});
    return entry;
}

}  // namespace wiring
