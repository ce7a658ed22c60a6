#include "cables/WiringText.h"

#include <vector>

#include "datafiles/Continuity.h"

namespace {
constexpr const char* Eol = "\r\n";

std::string endLine(const char* side, const IndexedEnd& end) {
    std::string line = std::string(side) + ": " + end.choice();
    if (!end.label.empty()) line += ", " + end.label;
    return line + Eol;
}

std::string contactAndSignal(const std::string& contact, const std::string& signal) {
    if (contact == "-") return "open";
    return signal.empty() ? contact : contact + " " + signal;
}

std::string wireLine(const IndexedWire& w) {
    std::string line = contactAndSignal(w.from, w.fromSignal) + " -> " + contactAndSignal(w.to, w.toSignal);
    if (!w.colour.empty()) line += " (" + w.colour + ")";
    return line + Eol;
}

std::string section(const char* heading, const std::vector<const IndexedWire*>& wires) {
    if (wires.empty()) return std::string();
    std::string text = std::string(Eol) + heading + Eol;
    for (const IndexedWire* w : wires) text += wireLine(*w);
    return text;
}

// "Parts:" and a line for the start, the end and the cable.
std::string partsSection(const IndexedCable& cable) {
    if (cable.parts.empty()) return std::string();
    std::string text = std::string(Eol) + "Parts:" + Eol;
    for (const IndexedPart& part : cable.parts) {
        std::string place = part.place;
        if (!place.empty()) place[0] = static_cast<char>(place[0] - 'a' + 'A');
        text += place + ": " + part.text + Eol;
    }
    return text;
}

// Said before the wiring, so that nobody builds from it unwarned.
std::string unconfirmedLine(const IndexedCable& cable) {
    if (cable.unconfirmed.empty()) return std::string();
    return "UNCONFIRMED WIRING: " + cable.unconfirmed + Eol;
}

std::string csvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}
}  // namespace

std::string WiringText(const IndexedCable& cable, const std::string& name) {
    std::string text = name + Eol + cable.title + Eol + unconfirmedLine(cable) + endLine("Start", cable.start) +
                       endLine("End", cable.end);
    for (const IndexedBranch& branch : cable.branches) text += "Branch " + branch.name + ": " + branch.text + Eol;

    std::vector<const IndexedWire*> wires, jumpers, shields;
    for (const IndexedWire& w : cable.wires)
        (w.kind == "jumper" ? jumpers : w.kind == "shield" ? shields : wires).push_back(&w);
    text += section("Wires (S: start, E: end):", wires);
    text += section("Jumpers:", jumpers);
    text += section("Shield:", shields);
    text += partsSection(cable);

    return text + Eol + ContinuityText(cable);
}

std::string ContinuityText(const IndexedCable& cable) {
    std::string text = std::string(ContinuityHeading) + ". " + ContinuityBeeps + Eol;
    for (const std::string& pair : ContinuityPairs(cable)) text += pair + Eol;
    for (const std::string& check : cable.checks) text += check + Eol;
    return text + QuietText(cable) + ContinuityNoOtherBeep + Eol;
}

std::string QuietText(const IndexedCable& cable) {
    const std::vector<std::string> lines = QuietChainLines(cable.quiet);
    if (lines.empty()) return std::string();
    std::string text = std::string(ContinuityQuiet) + ":" + Eol;
    for (const std::string& line : lines) text += line + Eol;
    return text;
}

std::string WiringCsv(const IndexedCable& cable) {
    std::string csv = std::string("start contact,start signal,end contact,end signal,colour,kind") + Eol;
    for (const IndexedWire& w : cable.wires) {
        csv += csvField(w.from) + "," + csvField(w.fromSignal) + "," + csvField(w.to) + "," + csvField(w.toSignal) +
               "," + csvField(w.colour) + "," + csvField(w.kind) + Eol;
    }
    if (cable.parts.empty()) return csv;
    csv += std::string(Eol) + "part,description" + Eol;
    for (const IndexedPart& part : cable.parts) csv += csvField(part.place) + "," + csvField(part.text) + Eol;
    return csv;
}
