#pragma once

#include "Classifier.h"
#include "CodeList.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace svidary {

// Shows a warning to the user (the text is UTF-8).
using WarningSink = std::function<void(const std::string& utf8Message)>;

// The reference tables and the installation's attributes. Owned by the application, filled once
// at start-up, handed to whoever needs them. All texts are Windows-1251.
class ReferenceData {
public:
    CodeList LevelNames;
    CodeList DocTypeNames;
    Classifier SchoolTable;
    std::int32_t AttribSchoolCode = 1;
    std::int32_t AttribYear = 2007;

    SchoolValidity SchoolPeriod(std::int32_t code) const;
    std::int32_t SchoolCodeAtDate(std::int32_t code, const Date& date) const;
    // The name of the first entry of that code, or "Нет в классификаторе.".
    const std::string& SchoolNameByCode(std::int32_t code) const;
    // The code of the first entry of exactly that name, or -1.
    std::int32_t SchoolCodeByName(std::string_view name) const;

    // A type code 0-255 for a type name or code text; never fails. The first rule that applies:
    // an exact name of the list (smallest code); a number 0-20 written without leading zeros;
    // the fixed names "Диплом аспиранта" 8, "Диплом магистра" 10, "Дубликат диплома" 1,
    // "Диплом с отличием" 2; otherwise 0.
    int DocTypeIndex(std::string_view text) const;
    // The entry of DocTypeNames at DocTypeIndex(text); "" beyond the end of the list.
    const std::string& DocTypeName(std::string_view text) const;

    // The code of an exact name, or -1 after showing the warning of its list.
    int CheckLevel(std::string_view text, const WarningSink& warn) const;
    int CheckDocType(std::string_view text, const WarningSink& warn) const;
};

} // namespace svidary
