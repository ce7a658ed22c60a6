#pragma once
// The main window's one-line status line and which hint source last wrote it.
// Hint ids: 0 welcome, 1 and 3 the main window's surface, 4 to 6 the panels, 501 to 510 the keys.

#include <windows.h>

#include <string>

extern std::string StatusText;
extern RECT StatusRect;
extern int CurrentHintId;

constexpr const char* WelcomeText = "Welcome to Strandor! v1.02";
