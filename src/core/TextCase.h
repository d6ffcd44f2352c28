#pragma once

#include <string>
#include <string_view>

// Letter case by the Windows-1251 case table: Latin A-Z and every Cyrillic letter of the code
// page (Ё ё, І і, Ў ў, Ґ ґ, Є є, Ї ї, Ђ ђ, Ѓ ѓ, Ѕ ѕ, Ј ј, Љ љ, Њ њ, Ћ ћ, Ќ ќ, Џ џ, А-я).
namespace svidary {

char toLowerChar(char c);
char toUpperChar(char c);
std::string toLower(std::string_view text);
std::string toUpper(std::string_view text);

// Lowered, then the first character raised: ИВАНОВА-ПЕТРОВА becomes Иванова-петрова.
std::string capitalised(std::string_view text);

// Case-insensitive equality: equal after lowering.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

} // namespace svidary
