#include "wiring/UserCable.h"

#include <cctype>
#include <exception>
#include <map>
#include <memory>

#include "datafiles/ThreeDigits.h"
#include "wiring/CableCheck.h"
#include "wiring/CableIndexEntry.h"
#include "wiring/CableLayout.h"
#include "wiring/CheckedDrawing.h"
#include "wiring/ConnectorEntries.h"
#include "wiring/ConnectorLayout.h"
#include "wiring/NotesLayout.h"

namespace wiring {

namespace {

// The user's own drawings take numbers past the shipped ones, so the checks can name them as any.
constexpr int FirstUserNumber = 1000;

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

const SourceText* findText(const std::vector<SourceText>& texts, const std::string& name) {
    for (const SourceText& text : texts) {
        if (sameName(text.name, name)) return &text;
    }
    return nullptr;
}

// "9" or "009": a shipped drawing's number; -1 for a name.
int shippedNumber(const std::string& word) {
    if (word.empty() || word.size() > 3) return -1;
    for (char c : word)
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    return std::stoi(word);
}

// One end's drawing as the head names it: a shipped number, or the user's file.
struct EndChoice {
    int number = 0;
    bool user = false;
    int line = 0;
};

// The connector and pinout drawings one user cable needs, read on first use from the texts handed in.
class ConnectorShelf {
public:
    ConnectorShelf(const std::vector<SourceText>& user, const std::vector<SourceText>& shipped)
        : user(user), shipped(shipped) {}

    ConnectorSet set;

    // The number the drawing has in `set`, read now if it was not; throws with the line that named it.
    int resolve(ConnectorKind kind, const std::string& word, const SourceLine& line) {
        const char* prefix = kind == ConnectorKind::Plug ? "plug-" : "pinouts-";
        const std::string what = kind == ConnectorKind::Plug ? "connector drawing" : "pinout drawing";
        const int number = shippedNumber(word);
        if (number >= 0) {
            if (number == 0 && kind == ConnectorKind::Pinouts) return 0;  // none, as in the cable table
            if (!loadShipped(kind, number))
                line.fail("there is no shipped " + what + " " + std::to_string(number) + " (" + prefix +
                          ThreeDigits(number) + ".txt)");
            return number;
        }
        const std::string name = prefix + word + ".txt";
        auto known = userNumbers.find(lowerCase(name));
        if (known != userNumbers.end()) return known->second;
        const SourceText* text = findText(user, name);
        if (!text) line.fail("there is no " + name + " beside the cable: write one, or name a shipped " + what + " by number");
        const int assigned = FirstUserNumber + static_cast<int>(userNumbers.size());
        userNumbers[lowerCase(name)] = assigned;
        parse(kind, assigned, text->name, text->bytes);
        return assigned;
    }

private:
    const std::vector<SourceText>& user;
    const std::vector<SourceText>& shipped;
    std::map<std::string, int> userNumbers;  // file name in lower case -> its number in `set`

    static std::string lowerCase(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }

    bool loadShipped(ConnectorKind kind, int number) {
        auto& shelf = kind == ConnectorKind::Plug ? set.plugs : set.pinouts;
        if (shelf.count(number)) return true;
        const std::string name = (kind == ConnectorKind::Plug ? "plug-" : "pinouts-") + ThreeDigits(number) + ".txt";
        const SourceText* text = findText(shipped, name);
        if (!text) return false;
        parse(kind, number, text->name, text->bytes);
        return true;
    }

    void parse(ConnectorKind kind, int number, const std::string& file, const std::string& bytes) {
        std::vector<SourceLine> lines = splitSourceText(bytes, file);
        if (kind == ConnectorKind::Plug) {
            set.plugs.emplace(number, parseConnector(lines, kind, number, file, nullptr));
            return;
        }
        // A user's pinout drawing may show the face of the user's own connector drawing by name.
        for (SourceLine& line : lines) {
            if (line.size() == 3 && line.word(0) == "face" && line.word(1) == "plug" && shippedNumber(line.word(2)) < 0) {
                const int plug = resolve(ConnectorKind::Plug, line.word(2), line);
                line = SourceLine(line.file(), line.number(), "face plug " + std::to_string(plug));
            }
        }
        const PlugLookup lookup = [this](int plug) -> const ConnectorSource* {
            if (plug < FirstUserNumber && !loadShipped(ConnectorKind::Plug, plug)) return nullptr;
            return set.plug(plug);
        };
        set.pinouts.emplace(number, parseConnector(lines, kind, number, file, lookup));
    }
};

// The head of a user cable: its name and the drawings of its ends.
struct Head {
    CableText name;
    EndChoice plugs[2];
    EndChoice pinouts[2];
};

// Takes the head's lines out of `lines`, resolving the drawings they name; what is left is the cable source.
Head readHead(std::vector<SourceLine>& lines, ConnectorShelf& shelf, const std::string& file) {
    Head head;
    std::vector<SourceLine> body;
    for (SourceLine& line : lines) {
        const std::string& key = line.word(0);
        if (key != "name" && key != "connector" && key != "pinouts") {
            body.push_back(std::move(line));
            continue;
        }
        if (key == "name") {
            if (head.name.line != 0) line.fail("'name' given twice (first on line " + std::to_string(head.name.line) + ")");
            head.name = {line.rest(1), line.number()};
            continue;
        }
        const std::string& sideWord = line.word(1);
        if (sideWord != "start" && sideWord != "end") line.fail("the side is 'start' or 'end', not '" + sideWord + "'");
        const int side = sideWord == "start" ? 0 : 1;
        const bool plug = key == "connector";
        EndChoice& choice = plug ? head.plugs[side] : head.pinouts[side];
        if (choice.line != 0)
            line.fail("this end's " + std::string(plug ? "connector" : "pinout drawing") + " is given already on line " +
                      std::to_string(choice.line));
        const int number = shelf.resolve(plug ? ConnectorKind::Plug : ConnectorKind::Pinouts, line.rest(2), line);
        choice = {number, number >= FirstUserNumber, line.number()};
    }
    if (head.name.line == 0) throw DataError(file, 1, "no 'name' line: the cable's name in the list and the title bar");
    for (int side = 0; side < 2; ++side) {
        if (head.plugs[side].line == 0) {
            const std::string word = side == 0 ? "start" : "end";
            throw DataError(file, 1, "no 'connector " + word + "' line: the " + word +
                                         " connector's drawing, a shipped number or the name of a plug-<name>.txt");
        }
    }
    lines = std::move(body);
    return head;
}

std::string asText(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

EndDrawing endDrawing(const EndChoice& choice, const ConnectorSet& set, bool plug) {
    EndDrawing drawing;
    if (!choice.user) {
        drawing.shippedPath = std::string(plug ? "DATA\\PLUG\\PLUG." : "DATA\\PINOUTS\\PINOUTS.") + ThreeDigits(choice.number);
        return drawing;
    }
    const ConnectorSource& source = plug ? *set.plug(choice.number) : *set.pinout(choice.number);
    drawing.metafile = asText(
        checkedMetafile(plug ? layoutConnector(source) : layoutPinouts(source), DrawingKind::Connector, source.file));
    return drawing;
}

UserCable compile(const SourceText& source, const std::vector<SourceText>& userConnectors,
                  const std::vector<SourceText>& shippedConnectors, const CableNames& listNames) {
    const std::string& file = source.name;
    if (source.bytes.size() > MaxUserSourceBytes)
        throw DataError(file, 0, "the file is larger than " + std::to_string(MaxUserSourceBytes / 1024) +
                                     " KB: a cable source is far smaller");
    std::vector<SourceLine> lines = splitSourceText(source.bytes, file);
    ConnectorShelf shelf(userConnectors, shippedConnectors);
    const Head head = readHead(lines, shelf, file);
    const CableHead table{0, head.name.text, head.plugs[0].number, head.plugs[1].number, head.pinouts[0].number,
                          head.pinouts[1].number, &listNames};
    CableRules rules;
    rules.editorialLines = false;
    rules.maxWires = MaxUserWires;
    const CableSource cable = readCable(lines, file, table, shelf.set, rules);

    UserCable out;
    out.name = head.name.text;
    FaultList faults;
    faults.run([&] { out.diagram = asText(checkedMetafile(layoutCableDiagram(cable), DrawingKind::Connector, file)); });
    faults.run([&] { out.notes = asText(checkedMetafile(layoutCableNotes(cable, head.name.text, head.name.line), DrawingKind::Notes, file)); });
    faults.run([&] { out.startPlug = endDrawing(head.plugs[0], shelf.set, true); });
    faults.run([&] { out.endPlug = endDrawing(head.plugs[1], shelf.set, true); });
    faults.run([&] { out.startPinouts = endDrawing(head.pinouts[0], shelf.set, false); });
    faults.run([&] { out.endPinouts = endDrawing(head.pinouts[1], shelf.set, false); });
    faults.throwAny();
    out.index = indexCable(cable, *shelf.set.plug(table.startPlug), *shelf.set.plug(table.endPlug));
    out.startConnector = connectorEntry(*shelf.set.plug(table.startPlug));
    out.endConnector = connectorEntry(*shelf.set.plug(table.endPlug));
    if (const ConnectorSource* pinouts = shelf.set.pinout(table.startPinouts)) out.startPinoutRows = pinoutEntry(*pinouts);
    if (const ConnectorSource* pinouts = shelf.set.pinout(table.endPinouts)) out.endPinoutRows = pinoutEntry(*pinouts);
    out.ok = true;
    return out;
}

}  // namespace

UserCable CompileUserCable(const SourceText& source, const std::vector<SourceText>& userConnectors,
                           const std::vector<SourceText>& shippedConnectors, const CableNames& listNames) {
    UserCable failed;
    try {
        return compile(source, userConnectors, shippedConnectors, listNames);
    } catch (const DataError& e) {
        failed.errors = e.errors();
    } catch (const std::exception& e) {
        failed.errors = {{source.name, 0, std::string("cannot be compiled: ") + e.what()}};
    } catch (...) {
        failed.errors = {{source.name, 0, "cannot be compiled"}};
    }
    return failed;
}

}  // namespace wiring
