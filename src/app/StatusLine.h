#pragma once
// The main window's status line: its first text and the ids of the hint sources that write it.
// Hint ids: 0 welcome, 1 and 3 the main window's surface, 2 a command's message, 4 to 6 the panels,
// 501 to 510 the keys.

constexpr const char* WelcomeText = "Welcome to Strandor! v1.02";
