#include "cables/CableIndexFile.h"

#include "framework/File.h"
#include "framework/Wnd.h"

std::string CableIndexFile::load() {
    if (index) return std::string();
    try {
        CableIndexReading reading = ParseCableIndex(ReadFileStart(path, MaxCableIndexBytes));
        if (!reading.ok) return "The cable index " + std::string(path) + " is damaged (" + reading.error + ").";
        index = std::move(reading.index);
        return std::string();
    } catch (const CFileException& error) {
        return "The cable index " + std::string(path) + " cannot be read: " +
               CFileException::describe(error.systemError()) + ".";
    }
}

const CableIndex* CableIndexFile::Quietly() { return load().empty() ? &*index : nullptr; }

const CableIndex* CableIndexFile::Get(CWnd* owner) {
    std::string problem = load();
    if (index) return &*index;
    problem += "\n\nFind cable and Copy wiring need it; install the program's DATA folder again.";
    owner->MessageBox(problem.c_str(), "Strandor!", MB_OK | MB_ICONEXCLAMATION);
    return nullptr;
}
