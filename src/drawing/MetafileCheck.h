#pragma once
// Tells a sound Windows metafile from a damaged or foreign file before it reaches the player:
// the header, every record's size, that each record is one a line drawing is made of and holds
// the parameters the player reads, the object indexes, and the closing record. No windows.h here.

#include <cstddef>
#include <cstdint>
#include <vector>

bool IsSoundMetafile(const std::uint8_t* bytes, std::size_t size);

// The file's bytes; empty for a missing or unreadable file or one larger than a drawing of ours.
std::vector<std::uint8_t> ReadMetafileBytes(const char* path);

// Reads the file and checks it; false for a missing or unreadable file too.
bool IsPlayableMetafile(const char* path);

// Larger drawings than this are not drawings of ours.
constexpr std::size_t MaxMetafileBytes = 4 * 1024 * 1024;
