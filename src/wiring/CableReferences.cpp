#include "wiring/CableReferences.h"

#include <cctype>
#include <regex>

#include "wiring/NoteParagraph.h"

namespace wiring {

namespace {

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool isWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// `part` stands in `whole` as whole words ("audio out" in "...-RCA audio out", not "S" in "SCART").
bool holdsWords(const std::string& whole, const std::string& part) {
    for (std::size_t at = whole.find(part); at != std::string::npos; at = whole.find(part, at + 1)) {
        const std::size_t after = at + part.size();
        if ((at == 0 || !isWordCharacter(whole[at - 1])) && (after == whole.size() || !isWordCharacter(whole[after])))
            return true;
    }
    return false;
}

// A quoted phrase that cuts a piece out of a cable's name. A name's own quoted words ("S",
// "type 9": a plug system, not a cable) are the name's words for a thing, and may be quoted.
bool cutFrom(const std::string& name, const std::string& phrase) {
    const std::string n = lower(name), p = lower(phrase);
    return p != n && holdsWords(n, p) && n.find("\"" + p + "\"") == std::string::npos;
}

// The text of each quoted phrase with where it starts. An opening quote follows a blank or a
// bracket; 5.25" and 3.5" are inches.
std::vector<std::pair<std::size_t, std::string>> quotedPhrases(const std::string& text) {
    std::vector<std::pair<std::size_t, std::string>> phrases;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '"' || at + 1 == text.size() || text[at + 1] == ' ') continue;
        if (at > 0 && text[at - 1] != ' ' && text[at - 1] != '(') continue;
        const std::size_t close = text.find('"', at + 1);
        if (close == std::string::npos) break;
        phrases.emplace_back(at, text.substr(at + 1, close - at - 1));
        at = close;
    }
    return phrases;
}

void refuseCutNames(const CableSource& cable, const std::string& ownName, const CableNames& names) {
    for (NoteSection section : {NoteSection::Unconfirmed, NoteSection::Use, NoteSection::Variant, NoteSection::Cable,
                                NoteSection::Caution, NoteSection::Check}) {
        const NoteParagraph notes = joinNotes(cable, section);
        for (const auto& [at, phrase] : quotedPhrases(notes.text)) {
            if (holdsWords(lower(ownName), lower(phrase))) continue;
            std::string cut;
            for (const auto& [number, name] : names) {
                if (number == cable.number || !cutFrom(name, phrase)) continue;
                cut += std::string(cut.empty() ? "" : ", ") + "cable " + std::to_string(number) + " \"" + name + "\"";
            }
            if (!cut.empty())
                throw DataError(cable.file, notes.lineAt(at),
                                "\"" + phrase + "\" is part of a cable's name but not all of it (" + cut +
                                    "): name the cable meant with {cable N}");
        }
    }
}

}  // namespace

void resolveCableReferences(CableSource& cable, const std::string& ownName, const CableNames& names) {
    refuseCutNames(cable, ownName, names);
    static const std::regex reference("\\{cable ([0-9]{1,3})\\}");
    for (CableNote& note : cable.notes) {
        std::string written;
        std::size_t copied = 0;
        for (std::sregex_iterator m(note.text.begin(), note.text.end(), reference), end; m != end; ++m) {
            const int number = std::stoi((*m)[1].str());
            const auto named = names.find(number);
            if (named == names.end())
                throw DataError(cable.file, note.line, (*m)[0].str() + " names no cable: there is no cable " +
                                                           std::to_string(number) + " in the list");
            if (number == cable.number)
                throw DataError(cable.file, note.line,
                                (*m)[0].str() + " names this cable itself: a note sends the reader to another cable");
            written += note.text.substr(copied, static_cast<std::size_t>(m->position(0)) - copied) + "\"" +
                       named->second + "\", cable " + std::to_string(number);
            copied = static_cast<std::size_t>(m->position(0) + m->length(0));
        }
        note.text = written + note.text.substr(copied);
        if (note.text.find("{cable") != std::string::npos)
            throw DataError(cable.file, note.line, "write another cable as {cable N}, N its number, on one line");
    }
}

}  // namespace wiring
