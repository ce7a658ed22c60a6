#include "wiring/CableSource.h"

#include <algorithm>
#include <tuple>

#include "wiring/ConnectorSource.h"

namespace wiring {

std::string PinRef::text() const {
    std::string out = side == Side::Start ? "S" : "E";
    if (!branch.empty()) out += branch + ":";
    return out + contact;
}

bool PinRef::operator<(const PinRef& other) const {
    return std::tie(side, branch, contact) < std::tie(other.side, other.branch, other.contact);
}

bool PinRef::operator==(const PinRef& other) const {
    return side == other.side && branch == other.branch && contact == other.contact;
}

namespace {

const char* sideName(Side side) { return side == Side::Start ? "start" : "end"; }

class CableReader {
public:
    CableReader(int number, const std::string& file, const CableEnds& ends, const CableRules& rules)
        : ends(ends), rules(rules) {
        cable.number = number;
        cable.file = file;
        cable.startEnd.drawnGender = ends.startDrawnGender;
        cable.startEnd.drawnFace = ends.startDrawnFace;
        cable.endEnd.drawnGender = ends.endDrawnGender;
        cable.endEnd.drawnFace = ends.endDrawnFace;
        cable.startEnd.looseEnds = ends.startLooseEnds;
        cable.endEnd.looseEnds = ends.endLooseEnds;
        cable.startEnd.connectorTitle = ends.startTitle;
        cable.endEnd.connectorTitle = ends.endTitle;
        cable.startEnd.connectorParts = ends.startParts;
        cable.endEnd.connectorParts = ends.endParts;
    }

    void read(const SourceLine& line);
    CableSource finish();

private:
    const CableEnds& ends;
    const CableRules& rules;
    CableSource cable;
    int groups = 0;
    bool haveShield = false;
    std::set<PinRef> splits;

    void setOnce(CableText& field, const SourceLine& line);
    Side parseSide(const SourceLine& line, std::size_t index) const;
    // One contact or a list ("2-9", "A:1,3"), checked against the connector of that side.
    std::vector<PinRef> parsePins(const SourceLine& line, std::size_t index, Side side) const;
    void checkContact(const SourceLine& line, const PinRef& pin) const;
    void countOneMore(const SourceLine& line) const;
    void addWire(const SourceLine& line, Wire wire);
    void readWire(const SourceLine& line);
    void readRibbon(const SourceLine& line);
    void readShield(const SourceLine& line);
    void readJumper(const SourceLine& line);
    void readGender(const SourceLine& line);
    void readFree(const SourceLine& line);
    void readAlias(const SourceLine& line);
    void readPinouts(const SourceLine& line);
    void readGauge(const SourceLine& line);
    void readLength(const SourceLine& line);
    void readPart(const SourceLine& line);
    void checkGauges() const;
};

std::string signalWord(const std::string& word) { return word == "-" ? std::string() : word; }

void CableReader::setOnce(CableText& field, const SourceLine& line) {
    if (field.line != 0) line.fail("'" + line.word(0) + "' given twice (first on line " + std::to_string(field.line) + ")");
    field = {line.rest(1), line.number()};
}

Side CableReader::parseSide(const SourceLine& line, std::size_t index) const {
    const std::string& w = line.word(index);
    if (w == "start") return Side::Start;
    if (w == "end") return Side::End;
    line.fail("the side is 'start' or 'end', not '" + w + "'");
}

void CableReader::checkContact(const SourceLine& line, const PinRef& pin) const {
    const std::set<std::string>& contacts = pin.side == Side::Start ? ends.startContacts : ends.endContacts;
    if (contacts.count(pin.contact) == 0)
        line.fail("the " + std::string(sideName(pin.side)) + " connector has no contact " + pin.contact);
}

std::vector<PinRef> CableReader::parsePins(const SourceLine& line, std::size_t index, Side side) const {
    std::string list = line.word(index);
    std::string branch;
    const std::size_t colon = list.find(':');
    if (colon != std::string::npos) {
        branch = list.substr(0, colon);
        list = list.substr(colon + 1);
        if (side == Side::Start) line.fail("only the end of a cable has branches ('" + branch + ":')");
        const bool known = std::any_of(cable.branches.begin(), cable.branches.end(),
                                       [&branch](const Branch& b) { return b.name == branch; });
        if (!known) line.fail("no branch '" + branch + "' (declare it with a 'branch' line first)");
    } else if (side == Side::End && !cable.branches.empty()) {
        line.fail("this cable has branches: write the end contact as <branch>:" + list);
    }
    std::vector<PinRef> pins;
    for (const std::string& contact : expandPinList(list, line)) {
        PinRef pin{side, branch, contact};
        checkContact(line, pin);
        pins.push_back(pin);
    }
    return pins;
}

void CableReader::countOneMore(const SourceLine& line) const {
    if (cable.wires.size() + cable.jumpers.size() >= rules.maxWires)
        line.fail("more than " + std::to_string(rules.maxWires) + " wires and jumpers: a cable drawing holds no more");
}

void CableReader::addWire(const SourceLine& line, Wire wire) {
    countOneMore(line);
    wire.line = line.number();
    cable.wires.push_back(wire);
}

void CableReader::readWire(const SourceLine& line) {
    if (line.size() != 5 && line.size() != 6)
        line.fail("'wire' takes a start contact, an end contact, two signal names and a colour if wanted");
    const std::vector<PinRef> starts = parsePins(line, 1, Side::Start);
    const std::vector<PinRef> endPins = parsePins(line, 2, Side::End);
    if (starts.size() != endPins.size())
        line.fail("the start has " + std::to_string(starts.size()) + " contacts and the end " +
                  std::to_string(endPins.size()) + ": they pair off one by one");
    ++groups;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        Wire wire;
        wire.start = starts[i];
        wire.end = endPins[i];
        wire.startSignal = signalWord(line.word(3));
        wire.endSignal = signalWord(line.word(4));
        if (line.size() == 6) wire.colour = line.word(5);
        wire.group = groups;
        addWire(line, wire);
    }
}

void CableReader::readRibbon(const SourceLine& line) {
    if (line.size() != 2) line.fail("'ribbon' takes one list of contacts, e.g. 'ribbon 1-40'");
    if (!cable.branches.empty()) line.fail("a ribbon has no branches");
    ++groups;
    for (const PinRef& start : parsePins(line, 1, Side::Start)) {
        Wire wire;
        wire.kind = Wire::Kind::Ribbon;
        wire.start = start;
        wire.end = {Side::End, "", start.contact};
        checkContact(line, wire.end);
        auto name = ends.startSignals.find(start.contact);
        if (name != ends.startSignals.end()) wire.startSignal = wire.endSignal = name->second;
        wire.group = groups;
        addWire(line, wire);
    }
}

void CableReader::readShield(const SourceLine& line) {
    if (line.size() != 3) line.fail("'shield' takes the start contact and the end contact, '-' for none");
    if (haveShield) line.fail("one shield per cable");
    haveShield = true;
    Wire wire;
    wire.kind = Wire::Kind::Shield;
    wire.start.side = Side::Start;
    wire.end.side = Side::End;
    for (Side side : {Side::Start, Side::End}) {
        const std::size_t index = side == Side::Start ? 1 : 2;
        if (line.word(index) == "-") continue;
        const std::vector<PinRef> pins = parsePins(line, index, side);
        if (pins.size() != 1) line.fail("the shield joins one contact at each end");
        (side == Side::Start ? wire.start : wire.end) = pins.front();
    }
    if (wire.start.contact.empty() && wire.end.contact.empty()) line.fail("a shield joined at neither end: leave it out");
    ++groups;
    wire.group = groups;
    addWire(line, wire);
}

void CableReader::readJumper(const SourceLine& line) {
    if (line.size() != 4 && line.size() != 6)
        line.fail("'jumper' takes a side, two contacts and, if wanted, their two signal names: jumper end 6 1 DSR DCD");
    const Side side = parseSide(line, 1);
    const std::vector<PinRef> a = parsePins(line, 2, side);
    const std::vector<PinRef> b = parsePins(line, 3, side);
    if (a.size() != 1 || b.size() != 1) line.fail("a jumper links two single contacts");
    if (a.front() == b.front()) line.fail("a jumper from contact " + a.front().contact + " to itself");
    if (a.front().branch != b.front().branch) line.fail("a jumper stays within one plug");
    for (const Jumper& j : cable.jumpers) {
        if ((j.a == a.front() && j.b == b.front()) || (j.a == b.front() && j.b == a.front()))
            line.fail("this jumper is given already on line " + std::to_string(j.line));
    }
    countOneMore(line);
    Jumper jumper{a.front(), b.front(), "", "", line.number()};
    if (line.size() == 6) {
        jumper.aSignal = signalWord(line.word(4));
        jumper.bSignal = signalWord(line.word(5));
    }
    cable.jumpers.push_back(jumper);
}

void CableReader::readGender(const SourceLine& line) {
    if (line.size() != 3) line.fail("'gender' takes a side and 'male' or 'female': gender start male");
    CableEndFacts& facts = parseSide(line, 1) == Side::Start ? cable.startEnd : cable.endEnd;
    if (facts.genderLine != 0) line.fail("the gender of this end is given already on line " + std::to_string(facts.genderLine));
    if (facts.looseEnds) line.fail("this end is loose ends (its connector drawing says 'face ends'): it has no gender");
    if (line.word(2) == "male") facts.gender = Gender::Male;
    else if (line.word(2) == "female") facts.gender = Gender::Female;
    else line.fail("the gender is 'male' or 'female', not '" + line.word(2) + "'");
    facts.genderLine = line.number();
}

void CableReader::readFree(const SourceLine& line) {
    if (line.size() < 4) line.fail("'free' takes a side, contacts and the reason they stay free: free end 8 joystick 2 takes its supply from 1");
    for (const PinRef& pin : parsePins(line, 2, parseSide(line, 1))) {
        for (const FreeContact& f : cable.freeContacts) {
            if (f.pin == pin) line.fail(pin.text() + " is free already on line " + std::to_string(f.line));
        }
        cable.freeContacts.push_back({pin, line.rest(3), line.number()});
    }
}

void CableReader::readAlias(const SourceLine& line) {
    const SignalAlias alias = parseAlias(line);
    for (const SignalAlias& a : cable.aliases) {
        if (a.name == alias.name && a.pinoutText == alias.pinoutText)
            line.fail("this alias is given already on line " + std::to_string(a.line));
    }
    cable.aliases.push_back(alias);
}

void CableReader::readPinouts(const SourceLine& line) {
    if (line.size() != 3) line.fail("'pinouts' takes a side and a pinout drawing number: pinouts start 3");
    CableEndFacts& facts = parseSide(line, 1) == Side::Start ? cable.startEnd : cable.endEnd;
    if (facts.pinoutsLine != 0) line.fail("this end's pinout drawing is given already on line " + std::to_string(facts.pinoutsLine));
    facts.pinoutsNumber = line.integer(2);
    facts.pinoutsLine = line.number();
}

void CableReader::readGauge(const SourceLine& line) {
    const std::string usage = "'gauge' takes a gauge, or start contacts and their wires' gauge: gauge 24 AWG, gauge 1-2 0.5 mm2";
    if (line.size() < 2 || line.size() > 4) line.fail(usage);
    GaugeLine gauge;
    gauge.line = line.number();
    if (!wiring::readGauge(line.rest(1), gauge.gauge).empty()) {
        if (line.size() < 3) line.fail(wiring::readGauge(line.rest(1), gauge.gauge));
        gauge.contacts = line.word(1);
        gauge.wires = parsePins(line, 1, Side::Start);
        const std::string problem = wiring::readGauge(line.rest(2), gauge.gauge);
        if (!problem.empty()) line.fail(problem);
    }
    for (const GaugeLine& g : cable.gauges) {
        if (g.wires.empty() && gauge.wires.empty())
            line.fail("the cable's gauge is given already on line " + std::to_string(g.line));
        for (const PinRef& pin : gauge.wires) {
            if (std::find(g.wires.begin(), g.wires.end(), pin) != g.wires.end())
                line.fail("the gauge of the wire at start contact " + pin.contact + " is given already on line " +
                          std::to_string(g.line));
        }
    }
    cable.gauges.push_back(gauge);
}

void CableReader::readLength(const SourceLine& line) {
    if (line.size() != 3 && line.size() != 4)
        line.fail("'length' takes a number and a unit (m, cm, mm, ft, in), for a branch's lead its name first: length 2 m, "
                  "length L 30 cm");
    LengthLine length;
    length.line = line.number();
    if (line.size() == 4) {
        length.branch = line.word(1);
        const bool known = std::any_of(cable.branches.begin(), cable.branches.end(),
                                       [&length](const Branch& b) { return b.name == length.branch; });
        if (!known) line.fail("no branch '" + length.branch + "' (declare it with a 'branch' line first)");
    }
    const std::string problem = wiring::readLength(line.word(line.size() - 2), line.word(line.size() - 1), length.length);
    if (!problem.empty()) line.fail(problem);
    for (const LengthLine& l : cable.lengths) {
        if (l.branch == length.branch)
            line.fail((length.branch.empty() ? std::string("the cable's length") : "the length of lead " + length.branch) +
                      " is given already on line " + std::to_string(l.line));
    }
    cable.lengths.push_back(length);
}

void CableReader::readPart(const SourceLine& line) {
    if (line.size() < 3) line.fail("'part' takes start, end or cable and what is bought: part cable Belden 8723");
    const std::string& place = line.word(1);
    PartLine part;
    if (place == "start") part.place = PartPlace::Start;
    else if (place == "end") part.place = PartPlace::End;
    else if (place == "cable") part.place = PartPlace::Cable;
    else line.fail("a part is for the 'start', the 'end' or the 'cable', not '" + place + "'");
    part.text = line.rest(2);
    part.line = line.number();
    cable.parts.push_back(part);
}

// A gauge names wires by their start contacts: each must have one.
void CableReader::checkGauges() const {
    for (const GaugeLine& g : cable.gauges) {
        for (const PinRef& pin : g.wires) {
            const bool wired = std::any_of(cable.wires.begin(), cable.wires.end(),
                                           [&pin](const Wire& w) { return w.start == pin; });
            if (!wired)
                throw DataError(cable.file, g.line, "no wire leaves start contact " + pin.contact + " to take this gauge");
        }
    }
}

void CableReader::read(const SourceLine& line) {
    const std::string& key = line.word(0);
    if (key == "title") {
        if (cable.titles.size() == 2) line.fail("at most two title lines");
        cable.titles.push_back({line.rest(1), line.number()});
    } else if (key == "start") {
        setOnce(cable.startTitle, line);
    } else if (key == "end") {
        setOnce(cable.endTitle, line);
    } else if (key == "branch") {
        const std::string& name = line.word(1);
        if (name.find(':') != std::string::npos || name == "-") line.fail("a branch name is one word without ':'");
        if (!cable.wires.empty()) line.fail("branches are declared before the wires");
        for (const Branch& b : cable.branches) {
            if (b.name == name) line.fail("branch '" + name + "' given twice");
        }
        cable.branches.push_back({name, line.rest(2), line.number()});
    } else if (key == "wire") {
        readWire(line);
    } else if (key == "ribbon") {
        readRibbon(line);
    } else if (key == "shield") {
        readShield(line);
    } else if (key == "jumper") {
        readJumper(line);
    } else if (key == "split") {
        if (line.size() != 3) line.fail("'split' takes a side and one contact: split start 5");
        const std::vector<PinRef> pins = parsePins(line, 2, parseSide(line, 1));
        if (pins.size() != 1) line.fail("'split' names one contact");
        splits.insert(pins.front());
    } else if (key == "gender") {
        readGender(line);
    } else if (key == "free") {
        readFree(line);
    } else if (key == "alias") {
        readAlias(line);
    } else if (key == "pinouts") {
        readPinouts(line);
    } else if (key == "gauge") {
        readGauge(line);
    } else if (key == "length") {
        readLength(line);
    } else if (key == "part") {
        readPart(line);
    } else if (key == "use" || key == "cable" || key == "variant" || key == "caution" || key == "source" ||
               key == "check" || key == "unconfirmed") {
        const NoteSection section = key == "use"       ? NoteSection::Use
                                    : key == "cable"   ? NoteSection::Cable
                                    : key == "variant" ? NoteSection::Variant
                                    : key == "caution" ? NoteSection::Caution
                                    : key == "source"  ? NoteSection::Source
                                    : key == "check"   ? NoteSection::Check
                                                       : NoteSection::Unconfirmed;
        if (section == NoteSection::Unconfirmed && line.size() < 2)
            line.fail("'unconfirmed' takes the reason no public reference confirms the wiring");
        cable.notes.push_back({section, line.rest(1), line.number()});
    } else {
        line.fail("unknown keyword '" + key + "'");
    }
}

bool hasSection(const CableSource& cable, NoteSection section) {
    return std::any_of(cable.notes.begin(), cable.notes.end(),
                       [section](const CableNote& n) { return n.section == section; });
}

CableSource CableReader::finish() {
    if (cable.titles.empty()) throw DataError(cable.file, 1, "no title line");
    if (cable.startTitle.line == 0) throw DataError(cable.file, 1, "no 'start' line naming the start connector");
    if (cable.endTitle.line == 0) throw DataError(cable.file, 1, "no 'end' line naming the end connector");
    const bool anyWire = std::any_of(cable.wires.begin(), cable.wires.end(),
                                     [](const Wire& w) { return w.kind != Wire::Kind::Shield; });
    if (!anyWire) throw DataError(cable.file, 1, "no 'wire' or 'ribbon' line");
    if (rules.editorialLines) {
        if (!hasSection(cable, NoteSection::Use)) throw DataError(cable.file, 1, "no 'use' line: what the cable is for");
        if (!hasSection(cable, NoteSection::Cable)) throw DataError(cable.file, 1, "no 'cable' line: the cable to use");
        if (!hasSection(cable, NoteSection::Source))
            throw DataError(cable.file, 1, "no 'source' line: where the wiring is documented");
    }
    // A contact takes one wire; more connections are jumpers, or a declared split.
    std::map<PinRef, int> seen;
    for (const Wire& wire : cable.wires) {
        for (const PinRef& pin : {wire.start, wire.end}) {
            if (pin.contact.empty()) continue;
            auto [at, inserted] = seen.emplace(pin, wire.line);
            if (!inserted && splits.count(pin) == 0)
                throw DataError(cable.file, wire.line, std::string(sideName(pin.side)) + " contact " +
                                (pin.branch.empty() ? "" : pin.branch + ":") + pin.contact + " is wired twice (line " +
                                std::to_string(at->second) + " has it): link it with a jumper, or declare 'split " +
                                sideName(pin.side) + " " + (pin.branch.empty() ? "" : pin.branch + ":") + pin.contact +
                                "'");
        }
    }
    // The diagram draws a range or a ribbon as one row: a jumper needs its contacts on rows of their own.
    for (const Jumper& j : cable.jumpers) {
        for (const Wire& w : cable.wires) {
            const bool grouped = w.kind == Wire::Kind::Ribbon ||
                                 std::count_if(cable.wires.begin(), cable.wires.end(),
                                               [&w](const Wire& o) { return o.group == w.group; }) > 1;
            if (grouped && (w.start == j.a || w.start == j.b || w.end == j.a || w.end == j.b))
                throw DataError(cable.file, j.line, "this jumper reaches a contact of the range on line " +
                                std::to_string(w.line) + ": give that wire a line of its own");
        }
    }
    checkGauges();
    for (const Branch& b : cable.branches) {
        const bool used = std::any_of(cable.wires.begin(), cable.wires.end(),
                                      [&b](const Wire& w) { return w.end.branch == b.name; });
        if (!used) throw DataError(cable.file, b.line, "branch '" + b.name + "' has no wire");
    }
    // Mains: the notes must say who may make it.
    const bool mains = std::any_of(cable.wires.begin(), cable.wires.end(), [](const Wire& w) {
        return w.start.contact == "L" || w.start.contact == "N" || w.end.contact == "L" || w.end.contact == "N";
    });
    if (mains) {
        const bool warned = std::any_of(cable.notes.begin(), cable.notes.end(), [](const CableNote& n) {
            return n.section == NoteSection::Caution && n.text.find("qualified") != std::string::npos;
        });
        if (!warned) throw DataError(cable.file, 1, "a mains cable needs a 'caution' line saying it is work for a qualified person");
    }
    return cable;
}

}  // namespace

std::string unconfirmedText(const CableSource& cable) {
    std::string text;
    for (const CableNote& note : cable.notes)
        if (note.section == NoteSection::Unconfirmed) text += (text.empty() ? "" : " ") + note.text;
    return text;
}

CableSource parseCable(const std::vector<SourceLine>& lines, int number, const std::string& file,
                       const CableEnds& ends, const CableRules& rules) {
    CableReader reader(number, file, ends, rules);
    for (const SourceLine& line : lines) reader.read(line);
    return reader.finish();
}

}  // namespace wiring
