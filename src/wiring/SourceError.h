#pragma once
// A fault of a source file, carried as one value and written once for each audience.

#include <stdexcept>
#include <string>
#include <vector>

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

    bool operator==(const SourceError& other) const {
        return file == other.file && line == other.line && message == other.message;
    }
};

// The faults file by file (in the order the files first come), each file's by line, each fault
// once: the order a reader mends them in.
std::vector<SourceError> inLineOrder(std::vector<SourceError> faults);

// One or more faults found in one go, so that a user mends them all before compiling again.
class DataError : public std::runtime_error {
public:
    // `faults` holds at least one.
    explicit DataError(std::vector<SourceError> faults);
    explicit DataError(SourceError fault) : DataError(std::vector<SourceError>{std::move(fault)}) {}
    DataError(const std::string& file, int line, const std::string& message) : DataError(SourceError{file, line, message}) {}

    // The first in line order, for a caller that shows one.
    const SourceError& error() const { return all.front(); }
    // All of them in line order; what() gives their texts, one a line.
    const std::vector<SourceError>& errors() const { return all; }

private:
    std::vector<SourceError> all;
};

// The faults of several steps gathered, so that one compile reports them all.
class FaultList {
public:
    // Runs the step; a DataError it throws is kept, and the compile goes on.
    template <class Step>
    void run(Step&& step) {
        try {
            step();
        } catch (const DataError& e) {
            addAll(e);
        }
    }
    void addAll(const DataError& e) { faults.insert(faults.end(), e.errors().begin(), e.errors().end()); }
    void add(SourceError fault) { faults.push_back(std::move(fault)); }
    bool empty() const { return faults.empty(); }
    // Throws them all as one DataError, when there are any.
    void throwAny() const {
        if (!faults.empty()) throw DataError(faults);
    }

private:
    std::vector<SourceError> faults;
};

}  // namespace wiring
