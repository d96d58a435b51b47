#pragma once

#include "platform/Bytes.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillmere::platform {

// Lossless conversions between the program's UTF-16 text and UTF-8 (paths, JSON, log back end).
// Invalid sequences become U+FFFD.
std::u16string utf16FromUtf8(std::string_view utf8);
std::string utf8FromUtf16(std::u16string_view utf16);

std::filesystem::path pathFromUtf16(std::u16string_view text);
std::u16string utf16FromPath(const std::filesystem::path& path);

// Lower-cases A-Z only, like the C run-time's default locale.
std::u16string asciiLower(std::u16string_view text);
std::string asciiLower(std::string_view text);

// The text without white space (blank, tab, line breaks, vertical tab, form feed) at either end.
std::u16string trimWhitespace(std::u16string_view text);

// UTF-16LE bytes, without terminator.
Bytes utf16leBytes(std::u16string_view text);

}  // namespace quillmere::platform
