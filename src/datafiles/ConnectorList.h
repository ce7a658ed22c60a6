#pragma once
// The connector list of the catalog program, DATA\MISC\CONNECT.LST: every connector of the data
// set with its group, name and the pinout drawings the cables pair it with, and the names of those
// pinout drawings. datagen writes it, the program reads it. No windows.h here.
//
// Text in code page 1252, one record a line, fields separated by one tab; lines that are empty or
// start with ';' are comments:
//     CONNECTOR <tab> 009 <tab> Serial and parallel <tab> DE-9 (9-pin D-sub) <tab> 001 007 009 036
//     PINOUT <tab> 001 <tab> DE-9 RS-232 (PC, DTE)
// and, for a screen reader to tell the drawings in words, how a connector drawing shows its
// connector (after its CONNECTOR line) and the rows of a pinout drawing (after its PINOUT line):
//     FACE <tab> 009 <tab> female <tab> mating face
//     ROW <tab> 001 <tab> 1 <tab> DCD in (carrier)
// Numbers have three digits. The connectors stand in the order the program lists them, grouped.

#include <string>
#include <vector>

#include "datafiles/ThreeDigits.h"

constexpr const char* ConnectorListPath = "DATA\\MISC\\CONNECT.LST";
// Longer files are not lists of ours.
constexpr std::size_t MaxConnectorListBytes = 256 * 1024;

struct ConnectorEntry {
    int number = 0;
    std::string group;
    std::string name;
    std::vector<int> pinouts;
    std::string gender;  // "male" or "female" as drawn; "" when the list does not say
    std::string view;    // "mating face", "side view" ...; "" when the list does not say
    bool operator==(const ConnectorEntry& o) const {
        return number == o.number && group == o.group && name == o.name && pinouts == o.pinouts &&
               gender == o.gender && view == o.view;
    }
};

struct PinoutRow {
    std::string contacts;  // "2", "1-49 odd"
    std::string text;      // "RxD in (receive)"
    bool operator==(const PinoutRow& o) const { return contacts == o.contacts && text == o.text; }
};

struct PinoutEntry {
    int number = 0;
    std::string name;
    std::vector<PinoutRow> rows;  // the drawing's table, top to bottom
    bool operator==(const PinoutEntry& o) const { return number == o.number && name == o.name && rows == o.rows; }
};

struct ConnectorList {
    std::vector<ConnectorEntry> connectors;
    std::vector<PinoutEntry> pinouts;
    // The pinout drawing's name, or "" when the list names none.
    std::string pinoutName(int number) const;
    // The entries of that number, or null.
    const ConnectorEntry* connector(int number) const;
    const PinoutEntry* pinout(int number) const;
};

// The whole file, lines ended with CR LF.
std::string FormatConnectorList(const ConnectorList& list);

struct ConnectorListReading {
    bool ok = false;
    ConnectorList list;
    std::string error;  // "line 4: ..." when not ok
};

// Reads the file's text; a fault names the line and what is wrong.
ConnectorListReading ParseConnectorList(const std::string& text);
