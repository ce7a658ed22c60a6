#pragma once
// The one decoder of the source files the compiler reads, shipped or the user's, as a text editor
// saves them: code page 1252, UTF-8 with or without a byte order mark, or UTF-16 little-endian with
// one. The guide's texts are code page 1252, so every file is turned into that, and a character it
// cannot hold is refused with its line.

#include <string>

namespace wiring {

// The file's text in code page 1252. Throws DataError (file, line, message) for text that fits
// none of the encodings, or a character code page 1252 does not have.
std::string decodeToCodePage1252(const std::string& bytes, const std::string& file);

// Code page 1252 text as UTF-8 with a byte order mark, the one encoding the guide writes sources in.
std::string encodeUtf8WithMark(const std::string& codePage1252);

// The character a code page 1252 byte stands for (an undefined byte stands for itself).
char16_t unicodeOfCodePage1252(unsigned char byte);

}  // namespace wiring
