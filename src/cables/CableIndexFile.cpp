#include "cables/CableIndexFile.h"

#include "framework/FileBytes.h"
#include "framework/Wnd.h"

std::string CableIndexFile::load() {
    if (index) return std::string();
    const FileBytes file = ReadFileBytes(path, MaxCableIndexBytes);
    if (!file.ok()) return "The cable index " + std::string(path) + " cannot be read: " + file.error + ".";
    CableIndexReading reading = ParseCableIndex(file.bytes);
    if (!reading.ok) return "The cable index " + std::string(path) + " is damaged (" + reading.error + ").";
    index = std::move(reading.index);
    return std::string();
}

const CableIndex* CableIndexFile::Quietly() { return load().empty() ? &*index : nullptr; }

const CableIndex* CableIndexFile::Get(CWnd* owner) {
    std::string problem = load();
    if (index) return &*index;
    problem += "\n\nFind cable and Copy wiring need it; install the program's DATA folder again.";
    owner->MessageBox(problem.c_str(), "Strandor!", MB_OK | MB_ICONEXCLAMATION);
    return nullptr;
}
