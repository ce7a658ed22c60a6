#include "datafiles/ConnectorList.h"

#include <set>

#include "datafiles/TextRecords.h"

namespace {
const char* const ConnectorTag = "CONNECTOR";
const char* const PinoutTag = "PINOUT";
const char* const FaceTag = "FACE";
const char* const RowTag = "ROW";

// Three decimal digits, 000 to 999; -1 for anything else.
int number(const std::string& field) {
    if (field.size() != 3) return -1;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A name or group: not empty, no control characters.
bool isText(const std::string& field) {
    if (field.empty()) return false;
    for (unsigned char c : field)
        if (c < 32 || c == 127) return false;
    return true;
}

struct Reader {
    ConnectorListReading result;
    std::set<int> connectorNumbers;
    std::set<int> pinoutNumbers;

    bool fail(int line, const std::string& message) {
        result.error = "line " + std::to_string(line) + ": " + message;
        return false;
    }

    bool connector(int line, const std::vector<std::string>& fields) {
        if (fields.size() != 5)
            return fail(line, "a CONNECTOR line has five fields: CONNECTOR, number, group, name, pinout numbers");
        ConnectorEntry entry;
        entry.number = number(fields[1]);
        if (entry.number < 0) return fail(line, "the connector number '" + fields[1] + "' is not three digits");
        if (!connectorNumbers.insert(entry.number).second)
            return fail(line, "connector " + fields[1] + " is listed twice");
        if (!isText(fields[2])) return fail(line, "connector " + fields[1] + " has no group");
        if (!isText(fields[3])) return fail(line, "connector " + fields[1] + " has no name");
        entry.group = fields[2];
        entry.name = fields[3];
        if (!fields[4].empty()) {
            for (const std::string& word : SplitFields(fields[4], ' ')) {
                int pinout = number(word);
                if (pinout < 0) return fail(line, "the pinout number '" + word + "' is not three digits");
                entry.pinouts.push_back(pinout);
            }
        }
        result.list.connectors.push_back(entry);
        return true;
    }

    bool pinout(int line, const std::vector<std::string>& fields) {
        if (fields.size() != 3) return fail(line, "a PINOUT line has three fields: PINOUT, number, name");
        PinoutEntry entry;
        entry.number = number(fields[1]);
        if (entry.number < 0) return fail(line, "the pinout number '" + fields[1] + "' is not three digits");
        if (!pinoutNumbers.insert(entry.number).second) return fail(line, "pinout " + fields[1] + " is named twice");
        if (!isText(fields[2])) return fail(line, "pinout " + fields[1] + " has no name");
        entry.name = fields[2];
        result.list.pinouts.push_back(entry);
        return true;
    }

    // FACE follows the CONNECTOR line of its number, ROW the PINOUT line of its number.
    bool face(int line, const std::vector<std::string>& fields) {
        if (fields.size() != 4) return fail(line, "a FACE line has four fields: FACE, number, gender, view");
        std::vector<ConnectorEntry>& connectors = result.list.connectors;
        if (connectors.empty() || ThreeDigits(connectors.back().number) != fields[1])
            return fail(line, "a FACE line follows the CONNECTOR line of its number");
        if (fields[2] != "male" && fields[2] != "female")
            return fail(line, "the gender is 'male' or 'female', not '" + fields[2] + "'");
        if (!isText(fields[3])) return fail(line, "connector " + fields[1] + " has no view");
        connectors.back().gender = fields[2];
        connectors.back().view = fields[3];
        return true;
    }

    bool row(int line, const std::vector<std::string>& fields) {
        if (fields.size() != 4) return fail(line, "a ROW line has four fields: ROW, number, contacts, text");
        std::vector<PinoutEntry>& pinouts = result.list.pinouts;
        if (pinouts.empty() || ThreeDigits(pinouts.back().number) != fields[1])
            return fail(line, "a ROW line follows the PINOUT line of its number");
        if (!isText(fields[2])) return fail(line, "a row of pinout " + fields[1] + " names no contacts");
        if (!fields[3].empty() && !isText(fields[3])) return fail(line, "a row's text holds a control character");
        pinouts.back().rows.push_back({fields[2], fields[3]});
        return true;
    }

    bool line(int lineNumber, std::string text) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text[0] == ';') return true;
        std::vector<std::string> fields = SplitFields(text, '\t');
        if (fields[0] == ConnectorTag) return connector(lineNumber, fields);
        if (fields[0] == PinoutTag) return pinout(lineNumber, fields);
        if (fields[0] == FaceTag) return face(lineNumber, fields);
        if (fields[0] == RowTag) return row(lineNumber, fields);
        return fail(lineNumber, "a line starts with CONNECTOR, FACE, PINOUT or ROW and a tab");
    }
};
}  // namespace

std::string ConnectorList::pinoutName(int number) const {
    for (const PinoutEntry& pinout : pinouts)
        if (pinout.number == number) return pinout.name;
    return std::string();
}

const ConnectorEntry* ConnectorList::connector(int number) const {
    for (const ConnectorEntry& entry : connectors)
        if (entry.number == number) return &entry;
    return nullptr;
}

const PinoutEntry* ConnectorList::pinout(int number) const {
    for (const PinoutEntry& entry : pinouts)
        if (entry.number == number) return &entry;
    return nullptr;
}

std::string FormatConnectorList(const ConnectorList& list) {
    std::string text =
        "; Strandor! connector list, made by datagen from data/connectors. Fields are separated by tabs.\r\n"
        "; CONNECTOR, number, group, name, pinout numbers; FACE, number, gender, view\r\n";
    for (const ConnectorEntry& entry : list.connectors) {
        std::string pinouts;
        for (int pinout : entry.pinouts) pinouts += (pinouts.empty() ? "" : " ") + ThreeDigits(pinout);
        text += std::string(ConnectorTag) + "\t" + ThreeDigits(entry.number) + "\t" + entry.group + "\t" + entry.name +
                "\t" + pinouts + "\r\n";
        if (!entry.gender.empty())
            text += std::string(FaceTag) + "\t" + ThreeDigits(entry.number) + "\t" + entry.gender + "\t" + entry.view + "\r\n";
    }
    text += "; PINOUT, number, name; ROW, number, contacts, text\r\n";
    for (const PinoutEntry& entry : list.pinouts) {
        text += std::string(PinoutTag) + "\t" + ThreeDigits(entry.number) + "\t" + entry.name + "\r\n";
        for (const PinoutRow& row : entry.rows)
            text += std::string(RowTag) + "\t" + ThreeDigits(entry.number) + "\t" + row.contacts + "\t" + row.text + "\r\n";
    }
    return text;
}

ConnectorListReading ParseConnectorList(const std::string& text) {
    Reader reader;
    reader.result.error = TextFileProblem(text, MaxConnectorListBytes, "connector list");
    if (!reader.result.error.empty()) return reader.result;
    std::vector<std::string> lines = SplitFields(text, '\n');
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!reader.line(static_cast<int>(i) + 1, lines[i])) return reader.result;
    }
    if (reader.result.list.connectors.empty()) {
        reader.result.error = "the list names no connectors";
        return reader.result;
    }
    reader.result.ok = true;
    return reader.result;
}
