#include "datafiles/ConnectorList.h"

#include <set>

#include "datafiles/TextRecords.h"

namespace {
const char* const ConnectorTag = "CONNECTOR";
const char* const PinoutTag = "PINOUT";

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

    bool line(int lineNumber, std::string text) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text[0] == ';') return true;
        std::vector<std::string> fields = SplitFields(text, '\t');
        if (fields[0] == ConnectorTag) return connector(lineNumber, fields);
        if (fields[0] == PinoutTag) return pinout(lineNumber, fields);
        return fail(lineNumber, "a line starts with CONNECTOR or PINOUT and a tab");
    }
};
}  // namespace

std::string ConnectorList::pinoutName(int number) const {
    for (const PinoutEntry& pinout : pinouts)
        if (pinout.number == number) return pinout.name;
    return std::string();
}

std::string FormatConnectorList(const ConnectorList& list) {
    std::string text =
        "; Strandor! connector list, made by datagen from data/connectors. Fields are separated by tabs.\r\n"
        "; CONNECTOR, number, group, name, pinout numbers\r\n";
    for (const ConnectorEntry& entry : list.connectors) {
        std::string pinouts;
        for (int pinout : entry.pinouts) pinouts += (pinouts.empty() ? "" : " ") + ThreeDigits(pinout);
        text += std::string(ConnectorTag) + "\t" + ThreeDigits(entry.number) + "\t" + entry.group + "\t" + entry.name +
                "\t" + pinouts + "\r\n";
    }
    text += "; PINOUT, number, name\r\n";
    for (const PinoutEntry& entry : list.pinouts)
        text += std::string(PinoutTag) + "\t" + ThreeDigits(entry.number) + "\t" + entry.name + "\r\n";
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
