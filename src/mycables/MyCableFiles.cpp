#include "mycables/MyCableFiles.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {
std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool endsWith(const std::string& text, const char* suffix) {
    const std::string end(suffix);
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Names Windows keeps for devices, with any extension.
bool isDeviceName(const std::string& name) {
    std::string base = lower(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    static const char* const devices[] = {"con", "prn", "aux", "nul"};
    for (const char* device : devices)
        if (base == device) return true;
    return base.size() == 4 && (startsWith(base, "com") || startsWith(base, "lpt")) && base[3] >= '1' && base[3] <= '9';
}

// Leaves room under MAX_PATH for the folder, " (99)", the extension and the cache beside it.
constexpr std::size_t MaxStemLength = 100;

// The cable's connectors and pinouts as the head names them; a 'pinouts' line of the shipped
// source names the drawing its wiring follows, and that one wins.
struct Head {
    int startPlug, endPlug, startPinouts, endPinouts;
};

std::string headText(const std::string& name, const Head& head) {
    std::ostringstream out;
    out << "name " << name << "\r\n"
        << "connector start " << head.startPlug << "\r\n"
        << "connector end " << head.endPlug << "\r\n"
        << "pinouts start " << head.startPinouts << "\r\n"
        << "pinouts end " << head.endPinouts << "\r\n";
    return out.str();
}

const char* const SkeletonBody =
    "# The wiring, one statement a line, as the manual's chapter \"Your own cables\" shows.\r\n"
    "# The headings of the circuit diagram:\r\n"
    "title My cable\r\n"
    "start DE-9 (PC)\r\n"
    "end DE-9 (device)\r\n"
    "gender start female\r\n"
    "gender end male\r\n"
    "# wire <start contact> <end contact> <start signal> <end signal> [colour]\r\n"
    "wire 2 2 RxD RxD\r\n"
    "wire 3 3 TxD TxD\r\n"
    "wire 5 5 GND GND\r\n"
    "shield SHELL SHELL\r\n"
    "# The notes: what it is for, the cable to use, where the wiring is documented.\r\n"
    "use Extends a PC's serial port by three wires.\r\n"
    "cable Three cores and an overall shield.\r\n"
    "source EIA/TIA-574 DE-9 DTE pin assignment.\r\n";
}  // namespace

bool IsCableSourceName(const std::string& fileName) {
    const std::string name = lower(fileName);
    return endsWith(name, ".txt") && name.size() > 4 && !IsConnectorSourceName(fileName);
}

bool IsConnectorSourceName(const std::string& fileName) {
    const std::string name = lower(fileName);
    return endsWith(name, ".txt") && (startsWith(name, "plug-") || startsWith(name, "pinouts-"));
}

std::string FileNameFor(const std::string& text) {
    std::string name;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        const bool forbidden = u < 32 || u == 127 || std::string("\\/:*?\"<>|").find(c) != std::string::npos;
        name += forbidden ? '_' : c;
    }
    if (name.size() > MaxStemLength) name.resize(MaxStemLength);
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(name.begin());
    if (name.empty()) return "cable";
    if (isDeviceName(name)) name += '_';
    return name;
}

std::string FreeFileName(const std::string& stem, const std::function<bool(const std::string&)>& taken) {
    std::string name = stem + ".txt";
    for (int n = 2; taken(name) && n < 10000; ++n) name = stem + " (" + std::to_string(n) + ").txt";
    return name;
}

std::string NotesFileNameFor(const std::string& sourceName) {
    const std::size_t dot = sourceName.rfind('.');
    return (dot == std::string::npos ? sourceName : sourceName.substr(0, dot)) + ".notes";
}

std::string NewCableSource(int number, const std::string& shippedSource) {
    if (number <= 0 || number >= CableRowCount || !IsCableInUse(number)) {
        return "# A cable of your own. Lines that start with # are comments. Fill in the lines below,\r\n"
               "# save the file and go back to the guide: it checks the cable and draws it.\r\n"
               "# Its name in the list of \"My cables\" and in the title bar:\r\n" +
               headText("My cable", Head{9, 9, 1, 1}) + SkeletonBody;
    }
    const CableRecord& row = Catalog.cables[number];
    Head head{row.startPlug, row.endPlug, row.startPinouts, row.endPinouts};
    // The shipped source as it is, but for its own 'pinouts' lines, which the head takes over.
    std::string body;
    std::istringstream lines(shippedSource);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string keyword, side;
        int drawing = 0;
        if (words >> keyword >> side >> drawing && keyword == "pinouts" && (side == "start" || side == "end")) {
            (side == "start" ? head.startPinouts : head.endPinouts) = drawing;
            continue;
        }
        body += line + "\r\n";
    }
    return "# Made from \"" + std::string(row.name) + "\" of the guide. Change what you need, save the file\r\n"
           "# and go back to the guide: it checks the cable and draws it again.\r\n" +
           headText(std::string(row.name) + " - copy", head) + body;
}

std::string RenamedSource(const std::string& text, const std::string& name) {
    std::string out;
    bool renamed = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(start, end - start);
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (!renamed && keyword == "name") {
            line = "name " + name + "\r\n";
            renamed = true;
        }
        out += line;
        start = end;
    }
    return renamed ? out : "name " + name + "\r\n" + out;
}
