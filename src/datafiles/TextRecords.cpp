#include "datafiles/TextRecords.h"

#include <cctype>
#include <sstream>

namespace {
std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
}  // namespace

std::vector<std::string> SplitFields(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        std::string::size_type end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string TextFileProblem(const std::string& text, std::size_t maxBytes, const std::string& kind) {
    if (text.size() > maxBytes) return "the file is too long to be a " + kind;
    if (text.find('\0') != std::string::npos) return "the file holds binary data";
    return std::string();
}

bool HoldsEveryWord(const std::string& text, const std::string& words) {
    const std::string haystack = lowered(text);
    std::istringstream stream(lowered(words));
    std::string word;
    while (stream >> word)
        if (haystack.find(word) == std::string::npos) return false;
    return true;
}
