#include "wiring/SourceError.h"

#include <algorithm>

namespace wiring {

std::string SourceError::text() const {
    return file + (line == 0 ? std::string() : ":" + std::to_string(line)) + ": " + message;
}

std::string SourceError::guideText() const {
    return file + (line == 0 ? std::string() : ", line " + std::to_string(line)) + ": " + message;
}

std::vector<SourceError> inLineOrder(std::vector<SourceError> faults) {
    std::vector<std::string> files;
    for (const SourceError& fault : faults)
        if (std::find(files.begin(), files.end(), fault.file) == files.end()) files.push_back(fault.file);
    const auto rank = [&files](const SourceError& fault) {
        return std::make_pair(std::find(files.begin(), files.end(), fault.file) - files.begin(), fault.line);
    };
    std::stable_sort(faults.begin(), faults.end(), [&rank](const SourceError& a, const SourceError& b) { return rank(a) < rank(b); });
    std::vector<SourceError> once;
    for (SourceError& fault : faults)
        if (std::find(once.begin(), once.end(), fault) == once.end()) once.push_back(std::move(fault));
    return once;
}

namespace {

std::string joinedTexts(const std::vector<SourceError>& faults) {
    std::string text;
    for (const SourceError& fault : faults) text += (text.empty() ? "" : "\n") + fault.text();
    return text;
}

std::vector<SourceError> atLeastOne(std::vector<SourceError> faults) {
    if (faults.empty()) faults.push_back({"", 0, "a fault without a message"});
    return inLineOrder(std::move(faults));
}

}  // namespace

DataError::DataError(std::vector<SourceError> faults)
    : std::runtime_error(joinedTexts(atLeastOne(faults))), all(atLeastOne(std::move(faults))) {}

}  // namespace wiring
