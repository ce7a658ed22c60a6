#include "framework/LateLibrary.h"

LateLibrary& Shell32() {
    static LateLibrary library("shell32.dll");
    return library;
}

LateLibrary& Comdlg32() {
    static LateLibrary library("comdlg32.dll");
    return library;
}

LateLibrary& Oleacc() {
    static LateLibrary library("oleacc.dll");
    return library;
}

LateLibrary& Ole32() {
    static LateLibrary library("ole32.dll");
    return library;
}

LateLibrary& Oleaut32() {
    static LateLibrary library("oleaut32.dll");
    return library;
}
