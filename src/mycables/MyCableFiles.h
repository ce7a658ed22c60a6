#pragma once
// The user's own cables in DATA\MYCABLES: which files are cable sources, the names new ones are
// given, the text a new one starts with, the order of the list. No windows.h here.

#include <functional>
#include <string>
#include <vector>

#include "cables/Cable.h"
#include "cables/CableTable.h"

// A cable source is a .txt file of the folder that is not one of the user's own connector or pinout
// drawings (plug-<name>.txt, pinouts-<name>.txt).
bool IsCableSourceName(const std::string& fileName);
// plug-<name>.txt or pinouts-<name>.txt: a connector drawing the user's cables may end in.
bool IsConnectorSourceName(const std::string& fileName);

// `text` as a file name Windows can hold: the characters \ / : * ? " < > | and control characters
// become '_', trailing dots and blanks go, a device name (CON, NUL, COM1 ...) gets a '_', and the
// whole stays short enough for a path. Never empty.
std::string FileNameFor(const std::string& text);

// "<stem>.txt", or "<stem> (2).txt", "<stem> (3).txt" ... the first that `taken` says is free.
std::string FreeFileName(const std::string& stem, const std::function<bool(const std::string&)>& taken);

// The name of a user cable's notes file, beside its source: "adapter.txt" -> "adapter.notes".
std::string NotesFileNameFor(const std::string& sourceName);

// A new user cable made from cable `number` of the table: the head (name, connectors and pinouts
// by number) and then its shipped source, `shippedSource`. For cable 0, a commented skeleton.
// Texts in code page 1252, as the sources decode to.
std::string NewCableSource(int number, const std::string& shippedSource);

// A user's source with its 'name' line saying `name` (one is put first when it has none); code
// page 1252 text in and out.
std::string RenamedSource(const std::string& text, const std::string& name);
