#pragma once
// What the DATA folder's text files share: records of tab-separated fields, one a line, in files
// of a bounded size. No windows.h here.

#include <cstddef>
#include <string>
#include <vector>

// The parts of text between separators; always at least one.
std::vector<std::string> SplitFields(const std::string& text, char separator);

// True when every blank-separated word of `words` occurs in `text`, capitals or not; the find boxes
// of both programs match their records this way.
bool HoldsEveryWord(const std::string& text, const std::string& words);

// Why the text cannot be a file of that kind ("the file is too long to be a <kind>", "the file
// holds binary data"), or "" when it may be.
std::string TextFileProblem(const std::string& text, std::size_t maxBytes, const std::string& kind);
