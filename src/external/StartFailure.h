#pragma once
// What the user is told when an outside program cannot be started: each text names what is
// missing. No windows.h here.

#include <string>

enum class StartFailure { None, ProgramMissing, FileMissing, NothingRegistered, Refused };

std::string EditorFailureText(StartFailure why, const std::string& editorPath);
std::string ConnectorCatalogFailureText(StartFailure why);
// folder: the current folder, where the manual is looked for.
std::string ManualFailureText(StartFailure why, const std::string& folder);
