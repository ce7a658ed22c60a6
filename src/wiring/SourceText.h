#pragma once
// Reading the line-oriented source files: lines, words and numbers; a fault names file and line
// (SourceError.h).

#include <cstddef>
#include <string>
#include <vector>

#include "wiring/SourceError.h"

namespace wiring {

// No source file is larger than this, shipped or the user's: the longest cable source is a few KB.
constexpr std::size_t MaxSourceBytes = 64 * 1024;

// No source line is longer than this: the checks match patterns on single lines, and a bound on
// them keeps that quick and shallow whatever the file holds.
constexpr std::size_t MaxSourceLineLength = 400;

class SourceLine {
public:
    SourceLine(std::string file, int number, std::string text);

    const std::string& file() const { return fileName; }
    int number() const { return lineNumber; }
    std::size_t size() const { return words.size(); }
    const std::string& word(std::size_t index) const;
    // The line's text from the given word to its end, inner spacing kept.
    std::string rest(std::size_t index) const;
    int integer(std::size_t index) const;

    // "file:line: message"
    [[noreturn]] void fail(const std::string& message) const;

private:
    std::string fileName;
    int lineNumber;
    std::string text;
    std::vector<std::string> words;
    std::vector<std::size_t> starts;
};

// The lines of a source file, shipped or the user's, as its bytes came: decoded to code page 1252
// by the one decoder (TextEncoding.h), without blank lines and comment lines (first non-blank
// character '#'). Control characters other than the tab are refused with their line.
std::vector<SourceLine> splitSourceText(const std::string& bytes, const std::string& shownName);

}  // namespace wiring
