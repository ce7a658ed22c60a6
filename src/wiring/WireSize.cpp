#include "wiring/WireSize.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace wiring {

namespace {

constexpr double Pi = 3.14159265358979323846;

// A decimal number of digits and at most one point; false for anything else.
bool readNumber(const std::string& text, double& value) {
    if (text.empty() || text.size() > 12) return false;
    int points = 0;
    for (char c : text) {
        if (c == '.') ++points;
        else if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    if (points > 1 || text == ".") return false;
    value = std::stod(text);
    return true;
}

// The gauge's diameter in mm: 0.127 mm x 92^((36 - n) / 39).
double awgDiameter(double awg) { return 0.127 * std::pow(92.0, (36.0 - awg) / 39.0); }

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The number as written, without a trailing ".0".
std::string plain(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

}  // namespace

double awgSquareMillimetres(int awg) {
    const double d = awgDiameter(awg);
    return Pi / 4 * d * d;
}

int nearestAwg(double squareMm) {
    const double diameter = std::sqrt(4 * squareMm / Pi);
    const double awg = 36.0 - 39.0 * std::log(diameter / 0.127) / std::log(92.0);
    const long rounded = std::lround(awg);
    return static_cast<int>(std::max<long>(ThickestAwg, std::min<long>(ThinnestAwg, rounded)));
}

std::string awgName(int awg) { return awg >= 1 ? std::to_string(awg) : std::to_string(1 - awg) + "/0"; }

std::string threeFigures(double value) {
    char text[32];
    if (value >= 100) std::snprintf(text, sizeof text, "%.0f", value);
    else if (value >= 10) std::snprintf(text, sizeof text, "%.1f", value);
    else if (value >= 1) std::snprintf(text, sizeof text, "%.2f", value);
    else {
        int decimals = 3;
        for (double v = value; v < 0.1 && decimals < 6; v *= 10) ++decimals;
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
    }
    return text;
}

std::string WireGauge::text() const {
    const std::string mm2 = "mm\xB2";  // code page 1252's superscript two
    if (inAwg) return awgName(awg) + " AWG (" + threeFigures(squareMm) + " " + mm2 + ")";
    return plain(squareMm) + " " + mm2 + " (about " + awgName(awg) + " AWG)";
}

std::string readGauge(const std::string& text, WireGauge& gauge) {
    const std::string folded = lower(text);
    const std::string example = "write the gauge as '24 AWG' or '0.25 mm2'";
    for (const char* unit : {"awg", "mm2", "mm\xB2"}) {
        const std::size_t at = folded.rfind(unit);
        if (at == std::string::npos || at + std::string(unit).size() != folded.size()) continue;
        std::string number = folded.substr(0, at);
        if (!number.empty() && number.back() == ' ') number.pop_back();
        if (std::string(unit) == "awg") {
            int awg = 0;
            const std::size_t slash = number.find("/0");
            double value = 0;
            if (slash != std::string::npos && slash + 2 == number.size() && readNumber(number.substr(0, slash), value) &&
                value >= 1 && value <= 4 && value == std::floor(value))
                awg = 1 - static_cast<int>(value);
            else if (readNumber(number, value) && value == std::floor(value) && value <= ThinnestAwg)
                awg = static_cast<int>(value);
            else
                return "'" + text + "' is no gauge: AWG runs from 4/0 to " + std::to_string(ThinnestAwg);
            gauge = {true, awg, awgSquareMillimetres(awg)};
            return "";
        }
        double squareMm = 0;
        if (!readNumber(number, squareMm) || squareMm < 0.005 || squareMm > 500)
            return "'" + text + "' is no cross-section: write 0.005 to 500 mm2, with a point for decimals";
        gauge = {false, nearestAwg(squareMm), squareMm};
        return "";
    }
    return "'" + text + "' has no unit: " + example;
}

std::string CableLength::text() const {
    const std::string given = plain(value) + " " + unit;
    if (unit == "ft") return given + " (" + threeFigures(value * 0.3048) + " m)";
    if (unit == "in") return given + " (" + threeFigures(value * 0.0254) + " m)";
    return given;
}

std::string readLength(const std::string& number, const std::string& unit, CableLength& length) {
    double value = 0;
    if (!readNumber(number, value) || value <= 0)
        return "'" + number + "' is no length: write a number greater than 0, with a point for decimals";
    for (const char* known : {"m", "cm", "mm", "ft", "in"}) {
        if (unit == known) {
            length = {value, unit};
            return "";
        }
    }
    return "'" + unit + "' is no unit of length (m, cm, mm, ft, in)";
}

}  // namespace wiring
