#pragma once
// Header lines of permanence files come in UTF-8 or in the Windows code page
// 1252; the window model holds UTF-8.

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace lurnatik {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Each byte as its Windows-1252 character; the five bytes that code page leaves
// unassigned become U+FFFD.
std::string windows1252ToUtf8(std::string_view bytes);

// The bytes unchanged when they are valid UTF-8, otherwise read as Windows-1252.
std::string toUtf8(std::string_view bytes);

// A file's text as the readers take it. Windows saves "Unicode" text as UTF-16
// behind a byte-order mark (FF FE little-endian, FE FF big-endian): such a file is
// decoded to UTF-8, without the mark and without an odd last byte; `mayHold` is
// asked for the decoded copy first, as the bytes are held beside it while it is
// made (nullopt when it refuses). The text ends at its first DOS end-of-file mark
// (0x1A) when only such marks and line ends follow it. Any other bytes stay as
// they are.
std::optional<std::string> decodedFileText(std::string bytes, const MemoryCheck& mayHold);

// The bytes without a leading UTF-8 byte-order mark, which some editors write and
// no user sees.
std::string_view withoutByteOrderMark(std::string_view bytes);

}  // namespace lurnatik
