#include "PrintSpool.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "TestDrawings.h"
#include "framework/Handle.h"

namespace {
// The Windows rules for one quoted argument; the commands here hold no double quotes.
std::string quoted(const std::string& argument) { return "\"" + argument + "\""; }

std::string shellQuoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

double pointsToMm(double points) { return points * 25.4 / 72.0; }

std::string attribute(const std::string& tag, const std::string& name) {
    std::string key = name + "=\"";
    size_t at = tag.find(key);
    if (at == std::string::npos) return "";
    at += key.size();
    return tag.substr(at, tag.find('"', at) - at);
}

std::string unescapeXml(const std::string& text) {
    static const std::pair<const char*, const char*> entities[] = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}};
    std::string result;
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& entity : entities) {
            size_t length = std::strlen(entity.first);
            if (text.compare(i, length, entity.first) == 0) {
                result += entity.second;
                i += length;
                replaced = true;
                break;
            }
        }
        if (!replaced) result += text[i++];
    }
    return result;
}

long jobNumber(const std::string& file) {
    size_t at = file.rfind("job_");
    return at == std::string::npos ? -1 : std::atol(file.c_str() + at + 4);
}

}  // namespace

std::string RunUnix(const std::string& shellCommand) {
    // Wine starts a Unix program directly when it is given one, in the current folder. It gives
    // back no process handle, so the command reports its end by renaming its output file.
    static int runs = 0;
    std::string base = "unix-run-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++runs);
    std::string line = "/bin/sh -c " + quoted("PATH=/usr/sbin:/usr/bin:/sbin:/bin; (" + shellCommand + ") >" + base +
                                              ".out 2>/dev/null; mv " + base + ".out " + base + ".done");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA("Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return "";
    }
    const ScopedHandle thread(process.hThread), shell(process.hProcess);
    std::string done = base + ".done";
    DWORD start = ::GetTickCount();
    while (::GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (::GetTickCount() - start > 120000) return "";
        ::Sleep(10);
    }
    const std::string output = ReadBytes(done);
    ::DeleteFileA(done.c_str());
    return output;
}

std::string PdfFolder() {
    const char* folder = std::getenv("STRANDOR_PDF_DIR");
    return folder ? folder : "";
}

std::vector<std::string> PdfFiles() {
    std::vector<std::string> files;
    if (PdfFolder().empty()) return files;
    std::istringstream listing(RunUnix("ls -1tr " + shellQuoted(PdfFolder())));
    for (std::string name; std::getline(listing, name);) {
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".pdf") == 0) files.push_back(PdfFolder() + "/" + name);
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const std::string& a, const std::string& b) { return jobNumber(a) < jobNumber(b); });
    return files;
}

std::vector<std::string> NewFiles(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    std::vector<std::string> fresh;
    for (const std::string& file : after) {
        if (std::find(before.begin(), before.end(), file) == before.end()) fresh.push_back(file);
    }
    return fresh;
}

std::string QueuedJobs() { return RunUnix("lpstat -o PDF 2>/dev/null"); }

bool WaitForEmptyQueue(int timeoutMs) {
    DWORD start = ::GetTickCount();
    while (static_cast<int>(::GetTickCount() - start) < timeoutMs) {
        if (QueuedJobs().empty()) return true;
        ::Sleep(200);
    }
    return false;
}

std::vector<PrintedWord> PrintedPage::wordsOfLine(double top, double fontHeight) const {
    std::vector<PrintedWord> line;
    for (const PrintedWord& word : words) {
        if (word.top >= top - 0.3 && word.top <= top + 0.25 * fontHeight) line.push_back(word);
    }
    std::sort(line.begin(), line.end(), [](const PrintedWord& a, const PrintedWord& b) { return a.left < b.left; });
    return line;
}

std::string PrintedPage::lineAt(double top, double fontHeight) const {
    std::string text;
    for (const PrintedWord& word : wordsOfLine(top, fontHeight)) text += (text.empty() ? "" : " ") + word.text;
    return text;
}

const PrintedWord* PrintedPage::find(const std::string& text) const {
    for (const PrintedWord& word : words) {
        if (word.text == text) return &word;
    }
    return nullptr;
}

PrintedPage ReadPrintedPage(const std::string& pdf) {
    PrintedPage page;
    PrintableOrigin origin = DefaultPrinterOrigin();
    std::string html = RunUnix("pdftotext -bbox " + shellQuoted(pdf) + " -");
    size_t title = html.find("<title>");
    if (title != std::string::npos) {
        title += 7;
        page.documentName = unescapeXml(html.substr(title, html.find("</title>", title) - title));
    }
    for (size_t at = html.find("<page "); at != std::string::npos; at = html.find("<page ", at + 1)) ++page.pageCount;
    for (size_t at = html.find("<word "); at != std::string::npos; at = html.find("<word ", at + 1)) {
        size_t close = html.find('>', at);
        size_t end = html.find("</word>", close);
        if (close == std::string::npos || end == std::string::npos) break;
        std::string tag = html.substr(at, close - at);
        PrintedWord word;
        word.text = unescapeXml(html.substr(close + 1, end - close - 1));
        // The printer driver names the hyphen glyph so that it reads back as a soft hyphen.
        for (size_t soft = word.text.find("\xC2\xAD"); soft != std::string::npos; soft = word.text.find("\xC2\xAD"))
            word.text.replace(soft, 2, "-");
        word.left = pointsToMm(std::atof(attribute(tag, "xMin").c_str())) - origin.x;
        word.top = pointsToMm(std::atof(attribute(tag, "yMin").c_str())) - origin.y;
        word.right = pointsToMm(std::atof(attribute(tag, "xMax").c_str())) - origin.x;
        word.bottom = pointsToMm(std::atof(attribute(tag, "yMax").c_str())) - origin.y;
        page.words.push_back(word);
    }
    return page;
}

PrintedPixels PrintedPixels::Render(const std::string& pdf, int dpi) {
    PrintedPixels pixels;
    RunUnix("pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " " + shellQuoted(pdf) + " print-render");
    std::istringstream file(ReadBytes("print-render.pgm"));
    std::string magic;
    int maxValue = 0;
    file >> magic >> pixels.width >> pixels.height >> maxValue;
    file.get();
    if (magic != "P5" || maxValue != 255 || pixels.width <= 0 || pixels.height <= 0) return pixels;
    pixels.grey.resize(static_cast<size_t>(pixels.width) * pixels.height);
    file.read(reinterpret_cast<char*>(pixels.grey.data()), static_cast<std::streamsize>(pixels.grey.size()));
    pixels.dpi = dpi;
    PrintableOrigin origin = DefaultPrinterOrigin();
    pixels.offsetX = origin.x * dpi / 25.4;
    pixels.offsetY = origin.y * dpi / 25.4;
    return pixels;
}

bool PrintedPixels::dark(double xMm, double yMm) const {
    int x = static_cast<int>(offsetX + xMm * dpi / 25.4);
    int y = static_cast<int>(offsetY + yMm * dpi / 25.4);
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    return grey[static_cast<size_t>(y) * width + x] < 128;
}

double PrintedPixels::darkShare(double left, double top, double right, double bottom) const {
    int total = 0, darkCount = 0;
    double step = 25.4 / dpi;
    for (double y = top; y < bottom; y += step) {
        for (double x = left; x < right; x += step) {
            ++total;
            if (dark(x, y)) ++darkCount;
        }
    }
    return total ? static_cast<double>(darkCount) / total : 0.0;
}

PrintableOrigin DefaultPrinterOrigin() {
    PrintableOrigin origin;
    HDC printer = ::CreateDCA("WINSPOOL", "PDF", nullptr, nullptr);
    if (!printer) return origin;
    origin.x = ::GetDeviceCaps(printer, PHYSICALOFFSETX) * 25.4 / ::GetDeviceCaps(printer, LOGPIXELSX);
    origin.y = ::GetDeviceCaps(printer, PHYSICALOFFSETY) * 25.4 / ::GetDeviceCaps(printer, LOGPIXELSY);
    ::DeleteDC(printer);
    return origin;
}

namespace {
std::vector<std::string>& writtenFiles() {
    static std::vector<std::string> files;
    return files;
}
}  // namespace

void WriteDataFile(const std::string& path, const std::string& bytes) {
    writtenFiles().push_back(path);
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
        ::CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteRectangleMetafile(const std::string& path, int widthMm, int heightMm) {
    WriteDataFile(path, "");
    HDC recorder = ::CreateMetaFileA(path.c_str());
    ::SelectObject(recorder, ::GetStockObject(BLACK_BRUSH));
    ::Rectangle(recorder, 0, 0, widthMm * 100, -heightMm * 100);
    ::DeleteMetaFile(::CloseMetaFile(recorder));
}

void RemoveDataFile(const std::string& path) { ::DeleteFileA(path.c_str()); }

void RemoveWrittenDataFiles() {
    for (const std::string& path : writtenFiles()) ::DeleteFileA(path.c_str());
    writtenFiles().clear();
}

SpoolFolderBlocked::SpoolFolderBlocked() {
    char system[MAX_PATH];
    ::GetSystemDirectoryA(system, MAX_PATH);
    // Kept in the spelling the prefix has, so it comes back unchanged.
    folder = std::string(system) + "\\spool\\";
    WIN32_FIND_DATAA found;
    if (!FindHandle(::FindFirstFileA((folder + "PRINTERS").c_str(), &found)).valid()) return;
    folder += found.cFileName;
    moved = ::MoveFileA(folder.c_str(), (folder + ".held").c_str()) != 0;
    blocked = moved && (WriteDataFile(folder, "not a folder"),
                        ::GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES);
}

SpoolFolderBlocked::~SpoolFolderBlocked() {
    ::DeleteFileA(folder.c_str());
    if (moved) ::MoveFileA((folder + ".held").c_str(), folder.c_str());
}
