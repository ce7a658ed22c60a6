#include "wiring/TextWrap.h"

#include <sstream>

#include "wiring/Sketch.h"

namespace wiring {

std::vector<std::string> wrapText(const std::string& text, int height, bool bold, int width) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word;
    std::string current;
    while (words >> word) {
        const std::string candidate = current.empty() ? word : current + " " + word;
        if (!current.empty() && estimateTextWidth(candidate, height, bold) > width) {
            lines.push_back(current);
            current = word;
        } else {
            current = candidate;
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

}  // namespace wiring
