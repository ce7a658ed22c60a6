#pragma once
// A wire's gauge and a cable's length as a source writes them ("24 AWG", "0.25 mm2", "2 m"), read
// and shown in both systems.
//
// AWG by its defining formula (ASTM B258): the diameter of gauge n is 0.127 mm x 92^((36 - n) / 39),
// 1/0 to 4/0 counting as 0 to -3. A gauge in AWG is shown with its cross-section in mm2 to three
// significant figures (24 AWG: 0.205 mm2); a cross-section in mm2 with the nearest whole gauge
// (0.25 mm2: about 23 AWG), the gauge whose formula diameter is nearest on the gauge's own scale.

#include <string>

namespace wiring {

struct WireGauge {
    bool inAwg = false;        // as the source wrote it
    int awg = 0;               // given, or the nearest whole gauge
    double squareMm = 0;       // given, or from the formula
    // "24 AWG (0.205 mm\xB2)", "0.25 mm\xB2 (about 23 AWG)": mm with code page 1252's superscript two.
    std::string text() const;
};

constexpr int ThinnestAwg = 40;
constexpr int ThickestAwg = -3;  // 4/0

// The cross-section of gauge n in mm2, by the formula.
double awgSquareMillimetres(int awg);
// The nearest whole gauge to a cross-section, within ThickestAwg..ThinnestAwg.
int nearestAwg(double squareMm);
// "24", "1/0", "4/0".
std::string awgName(int awg);
// "0.205", "2.08", "13.3", "107": three significant figures.
std::string threeFigures(double value);

// Reads "24 AWG", "24AWG", "4/0 AWG", "0.25 mm2", "0.25mm²" (words joined by one space). Answers
// the problem in words, or an empty string when it read the gauge.
std::string readGauge(const std::string& text, WireGauge& gauge);

struct CableLength {
    double value = 0;
    std::string unit;  // m, cm, mm, ft, in
    // "2 m", "150 cm", "6 ft (1.83 m)": imperial lengths with their metres.
    std::string text() const;
};

// Reads "<number> <unit>" given as two words; answers the problem in words, or an empty string.
std::string readLength(const std::string& number, const std::string& unit, CableLength& length);

}  // namespace wiring
