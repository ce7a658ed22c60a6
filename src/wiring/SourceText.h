#pragma once
// Reading the line-oriented source files: words, numbers, and errors that name file and line.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace wiring {

// Where a fault is: carried apart, formatted once. datagen prints "file:line: message"; the guide
// shows "<file>, line N: <message>". Line 0: the fault is about the whole file.
struct SourceError {
    std::string file;  // as the caller named it ("my adapter.txt", "data/cables/cable-006.txt")
    int line = 0;
    std::string message;

    // "file:line: message", or "file: message" when line is 0.
    std::string text() const;
};

class DataError : public std::runtime_error {
public:
    explicit DataError(SourceError fault) : std::runtime_error(fault.text()), where(std::move(fault)) {}
    DataError(const std::string& file, int line, const std::string& message) : DataError(SourceError{file, line, message}) {}

    const SourceError& error() const { return where; }

private:
    SourceError where;
};

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

// How the text handed to splitSourceText is written: the shipped sources are UTF-8; a user's file
// is decoded to code page 1252 first (TextEncoding.h).
enum class SourceEncoding { Utf8, CodePage1252 };

// The text's lines without blank lines and comment lines (first non-blank character '#'), in
// code page 1252: UTF-8 is converted and characters outside the code page are an error.
std::vector<SourceLine> splitSourceText(const std::string& text, const std::string& shownName,
                                        SourceEncoding encoding = SourceEncoding::Utf8);

// One line of UTF-8 as code page 1252; a fault names file and line.
std::string toCodePage1252(const std::string& utf8, const std::string& file, int line);

}  // namespace wiring
