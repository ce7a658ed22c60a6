#include "cables/CableIndexFile.h"

#include <vector>

#include "framework/File.h"
#include "framework/Wnd.h"

const CableIndex* CableIndexFile::Get(CWnd* owner) {
    if (index) return &*index;
    std::string problem;
    try {
        CFile input(path, CFile::modeRead | CFile::shareDenyNone);
        std::vector<char> buffer(MaxCableIndexBytes + 1);
        const UINT length = input.Read(buffer.data(), static_cast<UINT>(buffer.size()));
        CableIndexReading reading = ParseCableIndex(std::string(buffer.data(), length));
        if (reading.ok)
            index = std::move(reading.index);
        else
            problem = "The cable index " + std::string(path) + " is damaged (" + reading.error + ").";
    } catch (const CFileException& error) {
        problem = "The cable index " + std::string(path) + " cannot be read: " +
                  CFileException::describe(error.systemError()) + ".";
    }
    if (index) return &*index;
    problem += "\n\nFind cable and Copy wiring need it; install the program's DATA folder again.";
    owner->MessageBox(problem.c_str(), "Strandor!", MB_OK | MB_ICONEXCLAMATION);
    return nullptr;
}
