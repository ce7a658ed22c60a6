#include "wiring/SourceText.h"

#include <cctype>
#include <sstream>

#include "wiring/TextEncoding.h"

namespace wiring {

SourceLine::SourceLine(std::string file, int number, std::string line)
    : fileName(std::move(file)), lineNumber(number), text(std::move(line)) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        if (i >= text.size()) break;
        std::size_t start = i;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        starts.push_back(start);
        words.push_back(text.substr(start, i - start));
    }
}

void SourceLine::fail(const std::string& message) const { throw DataError(fileName, lineNumber, message); }

const std::string& SourceLine::word(std::size_t index) const {
    if (index >= words.size()) fail("'" + (words.empty() ? std::string() : words[0]) + "' needs more values");
    return words[index];
}

std::string SourceLine::rest(std::size_t index) const {
    if (index >= words.size()) fail("'" + words[0] + "' needs a text");
    std::string tail = text.substr(starts[index]);
    while (!tail.empty() && std::isspace(static_cast<unsigned char>(tail.back()))) tail.pop_back();
    return tail;
}

int SourceLine::integer(std::size_t index) const {
    const std::string& w = word(index);
    std::size_t used = 0;
    long value = 0;
    try {
        value = std::stol(w, &used, 10);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != w.size() || w.empty()) fail("'" + w + "' is not a whole number");
    if (value < -30000 || value > 30000) fail("'" + w + "' is out of range");
    return static_cast<int>(value);
}

namespace {
// A line already in code page 1252: tabs become spaces, other control characters are refused.
std::string plainLine(const std::string& text, const std::string& file, int line) {
    std::string out = text;
    for (char& c : out) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte == '\t') c = ' ';
        else if (byte < 0x20 || byte == 0x7F) throw DataError(file, line, "control character in the text");
    }
    return out;
}
}  // namespace

std::vector<SourceLine> splitSourceText(const std::string& bytes, const std::string& shownName) {
    std::istringstream in(decodeToCodePage1252(bytes, shownName));
    std::vector<SourceLine> lines;
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        std::size_t first = raw.find_first_not_of(" \t");
        if (first == std::string::npos || raw[first] == '#') continue;
        if (raw.size() > MaxSourceLineLength)
            throw DataError(shownName, number,
                            "the line is longer than " + std::to_string(MaxSourceLineLength) + " characters: split it");
        lines.emplace_back(shownName, number, plainLine(raw, shownName, number));
    }
    return lines;
}

}  // namespace wiring
