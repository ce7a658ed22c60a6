#pragma once
// System libraries that the program needs only for an occasional command (the printer dialog, the
// shell) are loaded when first used: under Wine, linking them in makes start-up a third slower.

#include <windows.h>

class LateLibrary {
public:
    explicit LateLibrary(const char* name) : name(name) {}
    LateLibrary(const LateLibrary&) = delete;
    LateLibrary& operator=(const LateLibrary&) = delete;
    ~LateLibrary() {
        if (module) ::FreeLibrary(module);
    }

    // The function, or null when the library or the function cannot be had.
    template <typename Function>
    Function function(const char* functionName) {
        if (!module) module = ::LoadLibraryA(name);
        if (!module) return nullptr;
        return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, functionName)));
    }

private:
    const char* name;
    HMODULE module = nullptr;
};

LateLibrary& Shell32();
LateLibrary& Comdlg32();
// Accessibility: the standard accessible objects, COM, and the strings they hand over.
LateLibrary& Oleacc();
LateLibrary& Ole32();
LateLibrary& Oleaut32();
