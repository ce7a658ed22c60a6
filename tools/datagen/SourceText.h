#pragma once
// Reading the line-oriented source files: words, numbers, and errors that name file and line.

#include <stdexcept>
#include <string>
#include <vector>

class DataError : public std::runtime_error {
public:
    explicit DataError(const std::string& message) : std::runtime_error(message) {}
};

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
    std::string where() const;

private:
    std::string fileName;
    int lineNumber;
    std::string text;
    std::vector<std::string> words;
    std::vector<std::size_t> starts;
};

// The file's lines without blank lines and comment lines (first non-blank character '#').
// Text is converted from UTF-8 to code page 1252; characters outside it are an error.
std::vector<SourceLine> readSourceFile(const std::string& path, const std::string& shownName);
// The same for text already in memory.
std::vector<SourceLine> splitSourceText(const std::string& text, const std::string& shownName);

std::string toCodePage1252(const std::string& utf8, const std::string& where);
