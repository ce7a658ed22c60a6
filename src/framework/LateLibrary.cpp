#include "framework/LateLibrary.h"

LateLibrary& Shell32() {
    static LateLibrary library("shell32.dll");
    return library;
}

LateLibrary& Comdlg32() {
    static LateLibrary library("comdlg32.dll");
    return library;
}
