#pragma once
// The cable index as the program reads it from DATA\MISC\CABLES.IDX: once, the first time a
// command needs it. A missing or damaged index is reported and read again the next time.

#include <optional>

#include "datafiles/CableIndex.h"

class CWnd;

class CableIndexFile {
public:
    explicit CableIndexFile(const char* path = CableIndexPath) : path(path) {}

    // The index; null after a message box, owned by `owner`, that names the file and the fault.
    const CableIndex* Get(CWnd* owner);
    // The index without a word to the user when it cannot be had (null then).
    const CableIndex* Quietly();

private:
    // Reads the index when it is not read yet; what is wrong with it, or "".
    std::string load();

    const char* path;
    std::optional<CableIndex> index;
};
