#include "datafiles/CableIndex.h"

#include <cctype>

#include "datafiles/ThreeDigits.h"
#include "datafiles/TextRecords.h"

namespace {
// A tab or line end inside a field would start another field or record: it becomes a blank.
std::string joinFields(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string field = fields[i];
        for (char& c : field)
            if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
        line += (i ? "\t" : "") + field;
    }
    return line + "\r\n";
}

// Three decimal digits; -1 for anything else.
int cableNumber(const std::string& field) {
    if (field.size() != 3) return -1;
    for (char c : field)
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    return std::stoi(field);
}

bool hasControlCharacters(const std::string& field) {
    for (unsigned char c : field)
        if (c < 32 || c == 127) return true;
    return false;
}

// "S3", "E2", "EL:C": a side letter and a contact.
bool isContact(const std::string& field) {
    return field.size() >= 2 && (field[0] == 'S' || field[0] == 'E') && field.find(' ') == std::string::npos;
}

const char* const WireKinds[] = {"wire", "ribbon", "shield", "jumper"};

class Reader {
public:
    CableIndexReading result;

    bool line(int number, std::string text) {
        lineNumber = number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text[0] == ';') return true;
        const std::vector<std::string> fields = SplitFields(text, '\t');
        for (const std::string& field : fields)
            if (hasControlCharacters(field)) return fail("a field holds a control character");
        const std::string& tag = fields[0];
        for (const RecordKind& kind : kinds()) {
            if (tag != kind.tag) continue;
            if (kind.read != &Reader::cable && !current()) return fail("a " + tag + " line before the first CABLE line");
            return (this->*kind.read)(fields);
        }
        return fail("a line starts with " + kindList() + " and a tab");
    }

    bool finish() {
        if (!finishCable()) return false;
        if (result.index.cables.empty()) {
            result.error = "the index names no cables";
            return false;
        }
        return result.ok = true;
    }

private:
    // The records a line may start with: the one table the reader goes by and its message names.
    struct RecordKind {
        const char* tag;
        bool (Reader::*read)(const std::vector<std::string>&);
    };
    static const std::vector<RecordKind>& kinds() {
        static const std::vector<RecordKind> table = {
            {"CABLE", &Reader::cable}, {"START", &Reader::start}, {"END", &Reader::endLine},
            {"BRANCH", &Reader::branch}, {"WIRE", &Reader::wire}, {"CHECK", &Reader::check},
            {"WORDS", &Reader::words}, {"NOTE", &Reader::note}, {"PART", &Reader::part},
            {"UNCONFIRMED", &Reader::unconfirmed}, {"QUIET", &Reader::quiet}, {"FACE", &Reader::face},
            {"SPOT", &Reader::spot},
        };
        return table;
    }

    // "CABLE, START, ... or SPOT"
    static std::string kindList() {
        std::string list;
        const std::size_t count = kinds().size();
        for (std::size_t i = 0; i < count; ++i)
            list += std::string(i == 0 ? "" : i + 1 == count ? " or " : ", ") + kinds()[i].tag;
        return list;
    }

    int lineNumber = 0;
    int cableLine = 0;
    bool haveStart = false;
    bool haveEnd = false;

    IndexedCable* current() { return result.index.cables.empty() ? nullptr : &result.index.cables.back(); }

    bool fail(const std::string& message) {
        result.error = "line " + std::to_string(lineNumber) + ": " + message;
        return false;
    }

    bool fields(const std::vector<std::string>& fields, std::size_t count, const char* what) {
        if (fields.size() == count) return true;
        return fail(std::string("a ") + fields[0] + " line has " + what);
    }

    bool finishCable() {
        IndexedCable* cable = current();
        if (!cable) return true;
        const std::string missing = !haveStart ? "START" : !haveEnd ? "END" : "";
        if (missing.empty()) return true;
        result.error = "line " + std::to_string(cableLine) + ": cable " + ThreeDigits(cable->number) +
                       " has no " + missing + " line";
        return false;
    }

    bool cable(const std::vector<std::string>& f) {
        if (!fields(f, 3, "three fields: CABLE, number, title")) return false;
        if (!finishCable()) return false;
        const int number = cableNumber(f[1]);
        if (number < 0) return fail("the cable number '" + f[1] + "' is not three digits");
        if (current() && number <= current()->number)
            return fail("the cables stand in ascending order: " + f[1] + " cannot follow " + ThreeDigits(current()->number));
        if (f[2].empty()) return fail("cable " + f[1] + " has no title");
        IndexedCable entry;
        entry.number = number;
        entry.title = f[2];
        result.index.cables.push_back(entry);
        cableLine = lineNumber;
        haveStart = haveEnd = false;
        return true;
    }

    bool start(const std::vector<std::string>& f) { return end(f, true); }
    bool endLine(const std::vector<std::string>& f) { return end(f, false); }

    bool end(const std::vector<std::string>& f, bool isStart) {
        if (!fields(f, 5, "five fields: family, gender, connector title, label")) return false;
        bool& have = isStart ? haveStart : haveEnd;
        if (have) return fail("a second " + f[0] + " line for cable " + ThreeDigits(current()->number));
        if (f[1].empty()) return fail("the " + f[0] + " connector has no family");
        if (f[2] != "male" && f[2] != "female" && !f[2].empty())
            return fail("the gender is 'male', 'female' or empty (loose ends), not '" + f[2] + "'");
        have = true;
        (isStart ? current()->start : current()->end) = {f[1], f[2], f[3], f[4]};
        return true;
    }

    bool branch(const std::vector<std::string>& f) {
        if (!fields(f, 3, "three fields: BRANCH, name, text")) return false;
        if (f[1].empty()) return fail("a branch has no name");
        current()->branches.push_back({f[1], f[2]});
        return true;
    }

    bool wire(const std::vector<std::string>& f) {
        if (!fields(f, 7, "seven fields: WIRE, kind, contact, signal, contact, signal, colour")) return false;
        bool known = false;
        for (const char* kind : WireKinds) known = known || f[1] == kind;
        if (!known) return fail("the wire kind is wire, ribbon, shield or jumper, not '" + f[1] + "'");
        const bool shield = f[1] == "shield";
        for (const std::string& contact : {f[2], f[4]}) {
            if (isContact(contact) || (shield && contact == "-")) continue;
            return fail("'" + contact + "' is not a contact such as S3 or E2");
        }
        current()->wires.push_back({f[1], f[2], f[3], f[4], f[5], f[6]});
        return true;
    }

    bool check(const std::vector<std::string>& f) {
        if (!fields(f, 2, "two fields: CHECK, text")) return false;
        current()->checks.push_back(f[1]);
        return true;
    }

    bool note(const std::vector<std::string>& f) {
        if (!fields(f, 3, "three fields: NOTE, heading, text")) return false;
        if (f[1].empty()) return fail("a note has no heading");
        current()->notes.push_back({f[1], f[2]});
        return true;
    }
    bool part(const std::vector<std::string>& f) {
        if (!fields(f, 3, "three fields: PART, start|end|cable, text")) return false;
        if (f[1] != "start" && f[1] != "end" && f[1] != "cable")
            return fail("a part is for the start, the end or the cable, not '" + f[1] + "'");
        current()->parts.push_back({f[1], f[2]});
        return true;
    }

    bool unconfirmed(const std::vector<std::string>& f) {
        if (!fields(f, 2, "two fields: UNCONFIRMED, why")) return false;
        if (f[1].empty()) return fail("an UNCONFIRMED line gives no reason");
        if (!current()->unconfirmed.empty()) return fail("a second UNCONFIRMED line for cable " + ThreeDigits(current()->number));
        current()->unconfirmed = f[1];
        return true;
    }

    bool quiet(const std::vector<std::string>& f) {
        if (!fields(f, 3, "three fields: QUIET, contact, contact")) return false;
        if ((f[1] == "S" || f[1] == "E") && f[2] == "-") {
            current()->unplacedEnds.push_back(f[1]);
            return true;
        }
        for (const std::string& contact : {f[1], f[2]})
            if (!isContact(contact)) return fail("'" + contact + "' is not a contact such as S3 or E2");
        if (f[1][0] != f[2][0]) return fail("a quiet pair lies on one end: " + f[1] + " and " + f[2] + " do not");
        current()->quiet.push_back({f[1], f[2]});
        return true;
    }

    bool face(const std::vector<std::string>& f) {
        if (!fields(f, 3, "three fields: FACE, S or E, what the drawing shows")) return false;
        if (f[1] != "S" && f[1] != "E") return fail("a FACE line names the end S or E, not '" + f[1] + "'");
        (f[1] == "S" ? current()->startFace : current()->endFace) = f[2];
        return true;
    }

    bool spot(const std::vector<std::string>& f) {
        if (!fields(f, 5, "five fields: SPOT, S or E, contact, x, y")) return false;
        if (f[1] != "S" && f[1] != "E") return fail("a SPOT line names the end S or E, not '" + f[1] + "'");
        int x = 0, y = 0;
        if (f[2].empty() || !coordinate(f[3], x) || !coordinate(f[4], y))
            return fail("a SPOT line needs a contact and two whole numbers");
        current()->spots.push_back({f[1], f[2], x, y});
        return true;
    }

    static bool coordinate(const std::string& field, int& value) {
        std::size_t i = field.size() > 1 && field[0] == '-' ? 1 : 0;
        if (field.size() - i == 0 || field.size() - i > 5) return false;
        for (std::size_t k = i; k < field.size(); ++k)
            if (!std::isdigit(static_cast<unsigned char>(field[k]))) return false;
        value = std::stoi(field);
        return true;
    }

    bool words(const std::vector<std::string>& f) {
        if (!fields(f, 2, "two fields: WORDS, words")) return false;
        current()->words += (current()->words.empty() ? "" : " ") + f[1];
        return true;
    }
};
}  // namespace

const IndexedCable* CableIndex::find(int number) const {
    for (const IndexedCable& cable : cables)
        if (cable.number == number) return &cable;
    return nullptr;
}

const IndexedSpot* IndexedCable::spotOf(const std::string& contact) const {
    if (contact.size() < 2) return nullptr;
    const std::string end = contact.substr(0, 1);
    const std::size_t colon = contact.find(':');
    const std::string id = contact.substr(colon == std::string::npos ? 1 : colon + 1);
    for (const IndexedSpot& spot : spots)
        if (spot.end == end && spot.contact == id) return &spot;
    return nullptr;
}

std::string FormatCableIndex(const CableIndex& index) {
    std::string text =
        "; Strandor! cable index, made by datagen from data/cables and data/connectors. Fields are separated by "
        "tabs.\r\n"
        "; CABLE number title; START and END family gender title label; BRANCH name text;\r\n"
        "; WIRE kind contact signal contact signal colour; CHECK text; WORDS words; NOTE heading text;\r\n"
        "; PART start|end|cable text\r\n"
        "; QUIET contact contact: neighbours that must stay silent (QUIET S - : the start gives no positions)\r\n"
        "; FACE end what its drawing shows; SPOT end contact x y: where the contact sits in that drawing\r\n";
    for (const IndexedCable& cable : index.cables) {
        text += joinFields({"CABLE", ThreeDigits(cable.number), cable.title});
        if (!cable.unconfirmed.empty()) text += joinFields({"UNCONFIRMED", cable.unconfirmed});
        for (const auto& [tag, end] : {std::make_pair("START", &cable.start), std::make_pair("END", &cable.end)})
            text += joinFields({tag, end->family, end->gender, end->title, end->label});
        for (const IndexedBranch& branch : cable.branches) text += joinFields({"BRANCH", branch.name, branch.text});
        for (const IndexedWire& w : cable.wires)
            text += joinFields({"WIRE", w.kind, w.from, w.fromSignal, w.to, w.toSignal, w.colour});
        for (const std::string& check : cable.checks) text += joinFields({"CHECK", check});
        if (!cable.words.empty()) text += joinFields({"WORDS", cable.words});
        for (const IndexedNote& note : cable.notes) text += joinFields({"NOTE", note.heading, note.text});
        for (const IndexedPart& part : cable.parts) text += joinFields({"PART", part.place, part.text});
        for (const std::string& end : cable.unplacedEnds) text += joinFields({"QUIET", end, "-"});
        for (const QuietPair& pair : cable.quiet) text += joinFields({"QUIET", pair.from, pair.to});
        if (!cable.startFace.empty()) text += joinFields({"FACE", "S", cable.startFace});
        if (!cable.endFace.empty()) text += joinFields({"FACE", "E", cable.endFace});
        for (const IndexedSpot& spot : cable.spots)
            text += joinFields({"SPOT", spot.end, spot.contact, std::to_string(spot.x), std::to_string(spot.y)});
    }
    return text;
}

CableIndexReading ParseCableIndex(const std::string& text) {
    Reader reader;
    reader.result.error = TextFileProblem(text, MaxCableIndexBytes, "cable index");
    if (!reader.result.error.empty()) return reader.result;
    const std::vector<std::string> lines = SplitFields(text, '\n');
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!reader.line(static_cast<int>(i) + 1, lines[i])) return reader.result;
    reader.finish();
    return reader.result;
}
