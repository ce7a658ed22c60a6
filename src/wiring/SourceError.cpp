#include "wiring/SourceError.h"

namespace wiring {

std::string SourceError::text() const {
    return file + (line == 0 ? std::string() : ":" + std::to_string(line)) + ": " + message;
}

std::string SourceError::guideText() const {
    return file + (line == 0 ? std::string() : ", line " + std::to_string(line)) + ": " + message;
}

}  // namespace wiring
