#pragma once
// Breaks a paragraph into lines that fit a width, at the spaces, by the generous text estimate.

#include <string>
#include <vector>

namespace wiring {

// A single word wider than the width stands on a line of its own (and is then too wide).
std::vector<std::string> wrapText(const std::string& text, int height, bool bold, int width);

}  // namespace wiring
