#pragma once
// A fault of a source file, carried as one value and written once for each audience.

#include <stdexcept>
#include <string>

namespace wiring {

// Where a fault is: carried apart, written once for each audience.
// Lines count from 1. A fault of the file's text as a whole (a line it lacks, a rule over the whole
// cable, an encoding it is not in) is given at line 1, where an editor opens the file. Line 0 is
// kept for a fault of the file itself, found before any of its text is read: it cannot be read, it
// is too large, its name or folder is wrong. Then neither writing names a line.
struct SourceError {
    std::string file;  // as the caller named it ("my adapter.txt", "data/cables/cable-006.txt")
    int line = 0;
    std::string message;

    // The build's: "file:line: message", or "file: message" at line 0.
    std::string text() const;
    // The guide's: "<file>, line N: <message>", or "<file>: <message>" at line 0.
    std::string guideText() const;
};

class DataError : public std::runtime_error {
public:
    explicit DataError(SourceError fault) : std::runtime_error(fault.text()), where(std::move(fault)) {}
    DataError(const std::string& file, int line, const std::string& message) : DataError(SourceError{file, line, message}) {}

    const SourceError& error() const { return where; }

private:
    SourceError where;
};

}  // namespace wiring
