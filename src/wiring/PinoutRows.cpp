#include "wiring/PinoutRows.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <sstream>

namespace wiring {

const PinRow* rowOf(const ConnectorSource& pinouts, const std::string& contact) {
    for (const PinRow& row : pinouts.pins) {
        if (std::find(row.ids.begin(), row.ids.end(), contact) != row.ids.end()) return &row;
    }
    return nullptr;
}

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string withoutBrackets(const std::string& text) {
    std::string out;
    int depth = 0;
    for (char c : text) {
        if (c == '(') ++depth;
        else if (c == ')' && depth > 0) --depth;
        else if (depth == 0) out += c;
    }
    return out;
}

}  // namespace

std::string foldedName(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (c != ' ') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::vector<std::string> signalNames(const std::string& rowText) {
    std::string text = withoutBrackets(rowText);
    text = text.substr(0, text.find(':'));
    std::vector<std::string> names;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t bar = text.find(" / ", from);
        if (bar == std::string::npos) bar = text.size();
        std::istringstream words(text.substr(from, bar - from));
        std::string word;
        std::string name;
        while (words >> word) {
            const std::string folded = lower(word);
            if (folded != "in" && folded != "out") name += folded;
        }
        if (!name.empty()) names.push_back(name);
        from = bar + 3;
    }
    return names;
}

bool isReturnOrSupply(const std::string& rowText) {
    static const std::regex pattern(
        "\\b(gnd|ground|shield|chassis|pg|earth|frame|termpwr)\\b"  // returns, and the SCSI terminator supply
        "|(^|[^0-9.+-])0 ?v\\b"                                       // 0 V
        "|[+-][0-9]+(\\.[0-9]+)? ?v\\b");                              // +5 V, -12 V, +V
    return std::regex_search(lower(rowText), pattern);
}

std::string shortName(const ConnectorSource& pinouts) {
    const std::size_t slash = pinouts.file.find_last_of("/\\");
    return slash == std::string::npos ? pinouts.file : pinouts.file.substr(slash + 1);
}

bool isKeyRow(const PinRow& row) {
    const std::vector<std::string> names = signalNames(row.signal);
    return std::find(names.begin(), names.end(), "key") != names.end();
}

}  // namespace wiring
