#pragma once
// What the printing tests need outside the program: the CUPS queue "PDF" that cups-pdf turns into
// PDF files, Unix tools run from inside Wine (lpstat, pdftotext, pdftoppm), the words and pixels of
// a printed page, and the data files a sheet is printed from.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Runs a shell command line on the Unix side, in the current folder, and answers what it wrote to
// standard output once it has ended.
std::string RunUnix(const std::string& shellCommand);

// The folder cups-pdf writes the jobs to (a Unix path), from the test script; empty when unset.
std::string PdfFolder();

// PDF files in that folder, by job number.
std::vector<std::string> PdfFiles();
// Files in `after` that are not in `before`, in job order.
std::vector<std::string> NewFiles(const std::vector<std::string>& before, const std::vector<std::string>& after);

// Waits until the queue holds no job; false after `timeoutMs`.
bool WaitForEmptyQueue(int timeoutMs = 60000);
// The jobs the queue holds now (lpstat -o PDF), one a line.
std::string QueuedJobs();

// A word of a PDF page, its box in mm from the top-left corner of the printable area.
struct PrintedWord {
    std::string text;
    double left, top, right, bottom;
};

struct PrintedPage {
    std::string documentName;  // the job's name, which the PDF keeps as its title
    int pageCount = 0;
    std::vector<PrintedWord> words;
    // The words of the line written with its top at `top` in a font `fontHeight` high, left to
    // right, joined by spaces. A glyph box starts a little below the top of its character cell.
    std::string lineAt(double top, double fontHeight) const;
    std::vector<PrintedWord> wordsOfLine(double top, double fontHeight) const;
    const PrintedWord* find(const std::string& text) const;
};

// Reads the text of a printed PDF (pdftotext -bbox) in printable-area millimetres.
PrintedPage ReadPrintedPage(const std::string& pdf);

// A rendered page in grey at a given resolution; (0, 0) is the top-left corner of the printable area.
class PrintedPixels {
public:
    static PrintedPixels Render(const std::string& pdf, int dpi);
    bool dark(double xMm, double yMm) const;
    // Share of dark pixels in a rectangle given in mm.
    double darkShare(double left, double top, double right, double bottom) const;
    bool empty() const { return grey.empty(); }

private:
    int width = 0, height = 0, dpi = 0;
    double offsetX = 0, offsetY = 0;  // printable-area origin on the page, in pixels
    std::vector<std::uint8_t> grey;
};

// Where the printable area of the default printer begins on the paper, in mm.
struct PrintableOrigin {
    double x = 0, y = 0;
};
PrintableOrigin DefaultPrinterOrigin();

// Wine spools each document to a file in the system's spool folder before it goes to CUPS. With
// a plain file in the folder's place, for as long as this object lives, no document can start.
class SpoolFolderBlocked {
public:
    SpoolFolderBlocked();
    SpoolFolderBlocked(const SpoolFolderBlocked&) = delete;
    SpoolFolderBlocked& operator=(const SpoolFolderBlocked&) = delete;
    ~SpoolFolderBlocked();
    bool active() const { return blocked; }

private:
    std::string folder;
    bool moved = false;
    bool blocked = false;
};

// Writes a file (and its folders) below the current folder.
void WriteDataFile(const std::string& path, const std::string& bytes);
// Writes a metafile of one black rectangle, left-top at (0, 0) of the drawing, `widthMm` wide and
// `heightMm` down, in 0.01 mm units.
void WriteRectangleMetafile(const std::string& path, int widthMm, int heightMm);
void RemoveDataFile(const std::string& path);
// Removes every file written above, so later tests in the scratch folder find it as before.
void RemoveWrittenDataFiles();
