#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1251 is the code page of every file the program reads or writes. The core keeps text
// as Windows-1251 bytes; Unicode appears only at the window boundary and in XML.
namespace svidary {

// One 256-entry table. Bytes that the code page leaves undefined map to the code point of the
// same value, so that they survive a round trip.
char32_t cp1251ToUnicode(unsigned char byte);

// The byte for a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> unicodeToCp1251(char32_t codePoint);

std::string cp1251ToUtf8(std::string_view cp1251);

// Invalid UTF-8 and characters the code page cannot hold become "?".
std::string utf8ToCp1251(std::string_view utf8);

} // namespace svidary
